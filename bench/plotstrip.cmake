zq9_bench(bench_plot_strip PlotStripBench.cpp DEPS zq9_plot)
