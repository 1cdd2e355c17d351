# Compiler flags of the fuzzing build: every library is instrumented for libFuzzer's coverage and
# checked by AddressSanitizer and UndefinedBehaviorSanitizer; only the fuzz programs link the fuzzer.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "The fuzz targets need clang (configure with CXX=clang++ CC=clang)")
endif()
if(ZQ9_SANITIZE OR ZQ9_TSAN)
  message(FATAL_ERROR "ZQ9_FUZZ brings its own sanitizers; leave ZQ9_SANITIZE and ZQ9_TSAN off")
endif()
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                    -fno-sanitize-recover=undefined -gline-tables-only)
add_link_options(-fsanitize=address,undefined)
