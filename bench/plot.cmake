zq9_bench(bench_plot_paint ${CMAKE_CURRENT_LIST_DIR}/PlotPaintBench.cpp DEPS zq9_responseplot Qt6::Widgets)
