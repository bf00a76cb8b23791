bz_fuzzer(gif_lzw ${CMAKE_CURRENT_SOURCE_DIR}/FuzzGifLzw.cpp codecs)
