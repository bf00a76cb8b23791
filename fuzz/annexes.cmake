# The readers of the files beside the seasons. The readers that live in window
# folders are compiled in from their own sources, which need no window.
bz_fuzzer(blasons ${CMAKE_CURRENT_SOURCE_DIR}/FuzzBlasons.cpp ${CMAKE_SOURCE_DIR}/records/IndexBlasons.cpp rtl)
bz_fuzzer(parametres ${CMAKE_CURRENT_SOURCE_DIR}/FuzzParametres.cpp ${CMAKE_SOURCE_DIR}/shell/ParametresListes.cpp rtl)
bz_fuzzer(categories ${CMAKE_CURRENT_SOURCE_DIR}/FuzzCategories.cpp ${CMAKE_SOURCE_DIR}/shell/FichierCategories.cpp model)
bz_fuzzer(textes ${CMAKE_CURRENT_SOURCE_DIR}/FuzzTextes.cpp model)
bz_fuzzer(modeles ${CMAKE_CURRENT_SOURCE_DIR}/FuzzModeles.cpp model)
bz_fuzzer(scenario ${CMAKE_CURRENT_SOURCE_DIR}/FuzzScenario.cpp ${CMAKE_SOURCE_DIR}/setup/LectureScenario.cpp rtl)
bz_fuzzer(connexions ${CMAKE_CURRENT_SOURCE_DIR}/FuzzConnexions.cpp ${CMAKE_SOURCE_DIR}/net/Connexions.cpp model)
