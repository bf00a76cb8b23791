bz_fuzzer(gif_lzw ${CMAKE_CURRENT_SOURCE_DIR}/FuzzGifLzw.cpp codecs)
bz_fuzzer(gif_load ${CMAKE_CURRENT_SOURCE_DIR}/FuzzGifLoad.cpp codecs)
bz_fuzzer(gif_ext ${CMAKE_CURRENT_SOURCE_DIR}/FuzzGifExt.cpp codecs)
