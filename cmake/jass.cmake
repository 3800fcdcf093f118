# Jass: rules, Weis and Stöck, flow, scoring, options and the computer player (ks_jass), its
# tests and its self-play entry.
file(GLOB ks_jass_srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/games/skat_jass_schnapsen/jass*.cpp)
add_library(ks_jass STATIC ${ks_jass_srcs})
target_include_directories(ks_jass PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(ks_jass PRIVATE ${KS_WARNINGS})
target_link_libraries(ks_jass PUBLIC ks_table)

if(TARGET ks_app)
    target_link_libraries(ks_app PUBLIC ks_jass)
endif()

ks_tests(jass_tests tests/games/jass ks_harness ks_jass)

# bench/selfplay and the benchmarks are made after this fragment; the links are added once the
# whole directory is read.
function(ks_jass_selfplay_link)
    if(TARGET selfplay)
        target_link_libraries(selfplay PRIVATE ks_jass)
    endif()
    if(TARGET jass_bench)
        target_link_libraries(jass_bench PRIVATE ks_jass ks_harness)
    endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL ks_jass_selfplay_link)
