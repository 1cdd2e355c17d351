zq9_bench(bench_xy_plot_paint ${CMAKE_CURRENT_LIST_DIR}/XYPlotPaintBench.cpp DEPS zq9_ui)
