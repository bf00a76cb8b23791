find_package(Qt6 REQUIRED COMPONENTS Core)
bz_fuzzer(http ${CMAKE_CURRENT_SOURCE_DIR}/FuzzHttp.cpp net Qt6::Core)
