bz_fuzzer(deflate ${CMAKE_CURRENT_SOURCE_DIR}/FuzzDeflate.cpp sys)
