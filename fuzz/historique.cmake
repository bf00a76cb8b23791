bz_fuzzer(historique ${CMAKE_CURRENT_SOURCE_DIR}/FuzzHistorique.cpp engine)
