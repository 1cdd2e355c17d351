zq9_bench(bench_frame_cutter ${CMAKE_CURRENT_LIST_DIR}/FrameCutterBench.cpp DEPS zq9_transport zq9_device)
