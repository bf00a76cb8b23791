bz_fuzzer(zipdir ${CMAKE_CURRENT_SOURCE_DIR}/FuzzZipDirectory.cpp files)
