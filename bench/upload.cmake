# Needs the device emulator, which is built with the tests.
if(TARGET zq9_test_support)
  zq9_bench(bench_upload ${CMAKE_CURRENT_LIST_DIR}/UploadBench.cpp DEPS zq9_ui zq9_test_support)
endif()
