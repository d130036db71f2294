# Helpers for the tests that sit beside the code they test.
set(SELCOMP_SHARED_DIR ${CMAKE_SOURCE_DIR}/../shared CACHE PATH "Shared reference data folder")

# A GoogleTest executable for code without Qt.
function(selcomp_gtest name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    SELCOMP_SHARED_DIR="${SELCOMP_SHARED_DIR}"
    SELCOMP_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    SELCOMP_RUNTIME_DIR="${SELCOMP_RUNTIME_DIR}"
    SELCOMP_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data")
  add_test(NAME ${name} COMMAND ${name})
endfunction()

# A Qt Test executable; runs offscreen so no window can block.
function(selcomp_qtest name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} Qt6::Test)
  target_compile_definitions(${name} PRIVATE
    SELCOMP_SHARED_DIR="${SELCOMP_SHARED_DIR}"
    SELCOMP_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    SELCOMP_RUNTIME_DIR="${SELCOMP_RUNTIME_DIR}"
    SELCOMP_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data")
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
