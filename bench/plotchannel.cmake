zq9_bench(bench_plot_channel PlotChannelBench.cpp DEPS zq9_plot)
