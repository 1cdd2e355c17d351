# Precompiled headers: most of a compile here is spent reading the same Qt, standard library and
# GoogleTest headers again. Every target of ours with enough sources gets one precompiled header made
# of the outside headers its link libraries offer (Qt Core, Gui, Widgets; GoogleTest); our own
# headers stay out of it, so a change to one of them rebuilds no precompiled header.
# ZQ9_PCH=OFF builds every file on its own includes alone (scripts/test-release does), which shows
# an include a file forgot.

option(ZQ9_PCH "Build with precompiled headers of the Qt, standard library and GoogleTest headers" ON)

# A target with fewer C++ sources spends more on making its precompiled header than it saves.
set(ZQ9_PCH_MIN_SOURCES 4)

# Only headers that declare nothing outside Qt's and std's names: <QApplication> and <QTest>, which
# reach QGuiApplication, would bring X11's global "Display" into every file.
set(ZQ9_PCH_STD <algorithm> <array> <cmath> <cstdint> <cstring> <functional> <map> <memory> <optional>
                <string> <utility> <vector>)
set(ZQ9_PCH_QT_CORE <QByteArray> <QObject> <QString> <QStringList>)
set(ZQ9_PCH_QT_GUI <QColor> <QFont> <QImage> <QPainter>)
set(ZQ9_PCH_QT_WIDGETS <QWidget>)
set(ZQ9_PCH_GTEST <gtest/gtest.h> <gmock/gmock.h>)

# zq9_pch_all_targets(<out> <dir>): every target made in the folder and below it.
function(zq9_pch_all_targets out dir)
  get_property(found DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(sub IN LISTS subdirs)
    zq9_pch_all_targets(below ${sub})
    list(APPEND found ${below})
  endforeach()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

# zq9_pch_linked(<out> <target>): the target's link libraries and theirs, through to the imported ones.
function(zq9_pch_linked out target)
  set(seen)
  set(queue ${target})
  while(queue)
    list(POP_FRONT queue current)
    if(NOT TARGET ${current} OR current IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${current})
    get_target_property(imported ${current} IMPORTED)
    get_target_property(type ${current} TYPE)
    set(links)
    if(NOT imported AND NOT type STREQUAL "INTERFACE_LIBRARY")
      get_target_property(direct ${current} LINK_LIBRARIES)
      if(direct)
        list(APPEND links ${direct})
      endif()
    endif()
    get_target_property(interface ${current} INTERFACE_LINK_LIBRARIES)
    if(interface)
      list(APPEND links ${interface})
    endif()
    foreach(link IN LISTS links)
      string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" link "${link}")
      if(NOT link MATCHES "^\\$<")
        list(APPEND queue ${link})
      endif()
    endforeach()
  endwhile()
  set(${out} ${seen} PARENT_SCOPE)
endfunction()

# zq9_pch_headers(<out> <target>): the outside headers the target can include, or none.
function(zq9_pch_headers out target)
  zq9_pch_linked(linked ${target})
  set(headers)
  if(Qt6::Core IN_LIST linked)
    list(APPEND headers ${ZQ9_PCH_STD} ${ZQ9_PCH_QT_CORE})
  endif()
  if(Qt6::Gui IN_LIST linked)
    list(APPEND headers ${ZQ9_PCH_QT_GUI})
  endif()
  if(Qt6::Widgets IN_LIST linked)
    list(APPEND headers ${ZQ9_PCH_QT_WIDGETS})
  endif()
  if(GTest::gmock IN_LIST linked)
    list(APPEND headers ${ZQ9_PCH_GTEST})
  endif()
  set(${out} ${headers} PARENT_SCOPE)
endfunction()

# zq9_precompile_headers(): gives each of our targets with enough C++ sources its precompiled header.
# Called once, after every target is made. A source with compile options of its own is built without
# it: a precompiled header made under other options would not be used.
function(zq9_precompile_headers)
  if(NOT ZQ9_PCH)
    return()
  endif()
  zq9_pch_all_targets(targets ${PROJECT_SOURCE_DIR})
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(NOT type MATCHES "^(STATIC_LIBRARY|SHARED_LIBRARY|EXECUTABLE)$")
      continue()
    endif()
    get_target_property(sources ${target} SOURCES)
    list(FILTER sources INCLUDE REGEX "\\.cpp$")
    list(LENGTH sources count)
    if(count LESS ZQ9_PCH_MIN_SOURCES)
      continue()
    endif()
    zq9_pch_headers(headers ${target})
    if(NOT headers)
      continue()
    endif()
    target_precompile_headers(${target} PRIVATE ${headers})
    foreach(source IN LISTS sources)
      get_source_file_property(options ${source} TARGET_DIRECTORY ${target} COMPILE_OPTIONS)
      if(options)
        set_source_files_properties(${source} TARGET_DIRECTORY ${target} PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
      endif()
    endforeach()
  endforeach()
endfunction()
