# Shared build rules: warnings, sanitizers and one library target per source folder.

set(ZQ9_WARNINGS -Wall -Wextra -Wpedantic -Wno-unused-parameter)
if(ZQ9_WERROR)
  list(APPEND ZQ9_WARNINGS -Werror)
endif()
# The program's own sources (src/) build warning-free in the test build: a warning there is an error.
set(ZQ9_SOURCE_WARNINGS ${ZQ9_WARNINGS})
if(ZQ9_TESTS AND NOT ZQ9_WERROR)
  list(APPEND ZQ9_SOURCE_WARNINGS -Werror)
endif()

# Qt's lower-case keyword macros (signals, slots, emit, foreach, forever) stay undefined, also in
# files that include Qt only through a precompiled header: code here uses Q_SIGNALS, Q_SLOTS and
# Q_EMIT, and "forever" or "slots" stay free as names.
add_compile_definitions(QT_NO_KEYWORDS)

if(ZQ9_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
elseif(ZQ9_TSAN)
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
endif()

# LeakSanitizer leaves out the leaks of the system libraries listed in tests/leak-suppressions.txt, and
# nothing else: the test runs read the file, the sanitized editor carries its lines built in.
set(ZQ9_LEAK_ENVIRONMENT)
set(ZQ9_LEAK_SUPPRESSIONS_SOURCE)
if(ZQ9_SANITIZE)
  set(ZQ9_LEAK_SUPPRESSIONS ${PROJECT_SOURCE_DIR}/tests/leak-suppressions.txt)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ZQ9_LEAK_SUPPRESSIONS})
  set(ZQ9_LEAK_ENVIRONMENT "LSAN_OPTIONS=suppressions=${ZQ9_LEAK_SUPPRESSIONS}")
  file(STRINGS ${ZQ9_LEAK_SUPPRESSIONS} zq9_leak_lines REGEX "^leak:")
  list(JOIN zq9_leak_lines "\\n" ZQ9_LEAK_SUPPRESSION_TEXT)
  set(ZQ9_LEAK_SUPPRESSIONS_SOURCE ${PROJECT_BINARY_DIR}/LeakSuppressions.cpp)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/LeakSuppressions.cpp.in ${ZQ9_LEAK_SUPPRESSIONS_SOURCE} @ONLY)
endif()

# zq9_library(<target> [DEPS <targets...>]): every .cpp of the calling folder (not its subfolders)
# becomes one static library; a folder without sources yet gives an interface target.
function(zq9_library target)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp" "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  set(has_cpp FALSE)
  foreach(s IN LISTS sources)
    if(s MATCHES "\\.cpp$")
      set(has_cpp TRUE)
    endif()
  endforeach()
  if(has_cpp)
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    if(CMAKE_CURRENT_SOURCE_DIR MATCHES "^${PROJECT_SOURCE_DIR}/src(/|$)")
      target_compile_options(${target} PRIVATE ${ZQ9_SOURCE_WARNINGS})
    else()
      target_compile_options(${target} PRIVATE ${ZQ9_WARNINGS})
    endif()
    target_link_libraries(${target} PUBLIC ${ARG_DEPS})
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${target} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

# zq9_test(<target> [DEPS <targets...>]): every .cpp of the calling folder becomes one GoogleTest
# program, run headless by CTest.
# PRIVATE_NETWORK: the program may dial or listen beyond its own loopback (the main window's
# connection search, the emulator): it runs itself inside a private network namespace it makes.
function(zq9_test target)
  cmake_parse_arguments(ARG "PRIVATE_NETWORK" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  if(NOT sources)
    return()
  endif()
  if(ARG_PRIVATE_NETWORK)
    list(APPEND sources "${PROJECT_SOURCE_DIR}/tests/support/private-network/PrivateNetworkGuard.cpp")
  endif()
  add_executable(${target} ${sources})
  target_compile_options(${target} PRIVATE ${ZQ9_WARNINGS})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${target} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${target}
    DISCOVERY_MODE PRE_TEST
    # Listing the tests starts a sanitized program: on a busy machine that takes far more than the
    # default 5 s, and a listing cut short fails the whole run.
    DISCOVERY_TIMEOUT 300
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ZQ9_SOURCE_DIR=${PROJECT_SOURCE_DIR};${ZQ9_LEAK_ENVIRONMENT}"
               # Only a hang ends here: every wait of a test has its own, shorter outer limit.
               TIMEOUT 900)
endfunction()
