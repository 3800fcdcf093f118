# The hand library, game tools and statistics counters with their tests, built on their own so
# they can be worked on while the rest of core/ is in flux. Not part of the default build; the
# same tests run in core_tests.
set(ks_hands_units seams skat_1 gtool statunit cg spiele)
set(ks_hands_srcs)
set(ks_hands_tests)
foreach(u ${ks_hands_units})
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/core/${u}.cpp)
        list(APPEND ks_hands_srcs ${CMAKE_CURRENT_SOURCE_DIR}/core/${u}.cpp)
    endif()
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/tests/core/${u}_test.cpp)
        list(APPEND ks_hands_tests ${CMAKE_CURRENT_SOURCE_DIR}/tests/core/${u}_test.cpp)
    endif()
endforeach()
add_executable(hands_dev_tests EXCLUDE_FROM_ALL ${ks_hands_srcs} ${ks_hands_tests})
target_compile_options(hands_dev_tests PRIVATE ${KS_WARNINGS})
target_include_directories(hands_dev_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/tests)
target_link_libraries(hands_dev_tests PRIVATE ks_platform GTest::gtest GTest::gtest_main)
