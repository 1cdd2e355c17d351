zq9_bench(bench_startup ${CMAKE_CURRENT_LIST_DIR}/StartupBench.cpp DEPS zq9_ui)
