# Black Jack and its 32-card variant with the casino chips (ks_casino), linked into the shell;
# its tests (rules, chips and whole series in the headless harness) and the self-play program
# build/selfplay that every game adds itself to.
ks_library(ks_casino games/casino ks_table)
target_link_libraries(ks_app PUBLIC ks_casino)

ks_tests(casino_tests tests/games/casino ks_casino ks_harness)

file(GLOB selfplay_srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/selfplay/*.cpp)
add_executable(selfplay ${selfplay_srcs})
target_compile_options(selfplay PRIVATE ${KS_WARNINGS})
target_include_directories(selfplay PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(selfplay PRIVATE ks_casino ks_harness)
set_target_properties(selfplay PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

ks_gl_tests(casino_gl_tests tests/games/casino/gl ks_casino ks_harness)
list(APPEND KS_FUZZ_LIBS ks_casino)
