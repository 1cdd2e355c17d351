#pragma once
// Marks a loop-heavy function to be built once more for the wider vector units where the processor
// has one (picked when the program loads); elsewhere the plain build runs. Results are the same.

#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__)
#define ZQ9_WIDE_VECTORS __attribute__((target_clones("avx512f", "avx2", "default")))
#else
#define ZQ9_WIDE_VECTORS
#endif
