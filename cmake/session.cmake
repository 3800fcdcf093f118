# The headless game harness (game core and table engine without a window) that the game tests
# link, and its self-test.
add_library(ks_harness STATIC ${CMAKE_CURRENT_SOURCE_DIR}/tests/harness/lib/harness.cpp)
target_include_directories(ks_harness PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/tests ${CMAKE_CURRENT_SOURCE_DIR})
target_compile_options(ks_harness PRIVATE ${KS_WARNINGS})
target_link_libraries(ks_harness PUBLIC ks_app GTest::gtest)

ks_tests(harness_tests tests/harness ks_harness)
