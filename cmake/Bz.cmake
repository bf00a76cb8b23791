# bz_library(<name> [DEPS <targets>...] [QT])
# One static library per folder: every .cpp of the folder (not of its subfolders
# named tests) goes in. The folder's CMakeLists.txt calls this once.
function(bz_library name)
  cmake_parse_arguments(ARG "QT" "" "DEPS" ${ARGN})
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT srcs)
    # A folder that has no sources yet still makes a library, so the tree configures.
    set(empty ${CMAKE_CURRENT_BINARY_DIR}/${name}_empty.cpp)
    file(WRITE ${empty} "// no sources yet\n")
    set(srcs ${empty})
  endif()
  add_library(${name} STATIC ${srcs})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  if(ARG_QT)
    set_target_properties(${name} PROPERTIES AUTOMOC ON AUTORCC ON)
  endif()
endfunction()

# bz_test(<name> LIBS <targets>... [OWN_MAIN]): one GoogleTest executable of every
# .cpp in the current folder, registered test by test in CTest. Window tests run
# offscreen; they pass OWN_MAIN and create the application object in their main().
function(bz_test name)
  cmake_parse_arguments(ARG "OWN_MAIN" "" "LIBS" ${ARGN})
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT srcs)
    return()
  endif()
  add_executable(test_${name} ${srcs})
  target_link_libraries(test_${name} PRIVATE ${ARG_LIBS} bz_test_support GTest::gtest GTest::gmock Threads::Threads)
  if(NOT ARG_OWN_MAIN)
    target_link_libraries(test_${name} PRIVATE bz_test_main)
  endif()
  set_target_properties(test_${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/bin)
  # The data folder and the offscreen platform reach the tests through the
  # entry point (tests/support/main/Main.cpp), which sets them when unset.
  gtest_discover_tests(test_${name}
    DISCOVERY_MODE PRE_TEST
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests/bin
    PROPERTIES LABELS ${name})
endfunction()
