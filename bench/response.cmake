zq9_bench(bench_response ResponseBench.cpp DEPS zq9_response)
