zq9_bench(bench_startup ${CMAKE_CURRENT_LIST_DIR}/StartupBench.cpp DEPS zq9_ui)

# The real program until its first window is mapped on an X server, beside a minimal Qt window.
find_library(ZQ9_XCB_LIBRARY xcb)
if(ZQ9_XCB_LIBRARY AND TARGET zq9-editor)
  add_executable(bench_minimal_window ${CMAKE_CURRENT_LIST_DIR}/MinimalWindow.cpp)
  target_link_libraries(bench_minimal_window PRIVATE Qt6::Widgets)
  zq9_bench(bench_startup_mapped ${CMAKE_CURRENT_LIST_DIR}/StartupMappedBench.cpp DEPS ${ZQ9_XCB_LIBRARY})
  target_compile_definitions(bench_startup_mapped PRIVATE ZQ9_EDITOR_PATH="$<TARGET_FILE:zq9-editor>"
                                                          ZQ9_MINIMAL_WINDOW_PATH="$<TARGET_FILE:bench_minimal_window>")
  add_dependencies(bench_startup_mapped zq9-editor bench_minimal_window)
endif()

zq9_bench(bench_refresh ${CMAKE_CURRENT_LIST_DIR}/RefreshBench.cpp DEPS zq9_ui)
