bz_fuzzer(png ${CMAKE_CURRENT_SOURCE_DIR}/FuzzPng.cpp codecs)
