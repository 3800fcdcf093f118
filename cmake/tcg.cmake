# The central game record on its own: its unit and tests built apart from the rest of core/,
# for working on the record while other core units are in flux. Not part of the default build;
# the same tests run in core_tests.
add_executable(tcg_dev_tests EXCLUDE_FROM_ALL ${CMAKE_CURRENT_SOURCE_DIR}/core/cg.cpp
                                              ${CMAKE_CURRENT_SOURCE_DIR}/tests/core/cg_test.cpp)
target_compile_options(tcg_dev_tests PRIVATE ${KS_WARNINGS})
target_include_directories(tcg_dev_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/tests)
target_link_libraries(tcg_dev_tests PRIVATE ks_platform GTest::gtest GTest::gtest_main)
