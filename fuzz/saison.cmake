bz_fuzzer(xml ${CMAKE_CURRENT_SOURCE_DIR}/FuzzXml.cpp model)
bz_fuzzer(saison ${CMAKE_CURRENT_SOURCE_DIR}/FuzzSaison.cpp files engine model)
# The seed corpora of the two (run by fuzz/run-fuzzers.sh).
add_executable(fuzz_graines ${CMAKE_CURRENT_SOURCE_DIR}/FuzzGraines.cpp)
target_link_libraries(fuzz_graines PRIVATE files engine model)
set_target_properties(fuzz_graines PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
