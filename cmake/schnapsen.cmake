# Schnapsen and Sechsundsechzig: rules, flow, settlement and match, the game-tree search and the
# computer player (ks_schnapsen), and their tests.
file(GLOB ks_schnapsen_srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/games/skat_jass_schnapsen/schnapsen*.cpp)
add_library(ks_schnapsen STATIC ${ks_schnapsen_srcs})
target_include_directories(ks_schnapsen PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(ks_schnapsen PRIVATE ${KS_WARNINGS})
target_link_libraries(ks_schnapsen PUBLIC ks_table)

if(TARGET ks_app)
    target_link_libraries(ks_app PUBLIC ks_schnapsen)
endif()

ks_tests(schnapsen_tests tests/games/schnapsen ks_harness ks_schnapsen)

# selfplay is made in the casino fragment; link once the whole directory is read.
function(ks_schnapsen_selfplay_link)
    if(TARGET selfplay)
        target_link_libraries(selfplay PRIVATE ks_schnapsen)
    endif()
    if(TARGET schnapsen_bench)
        target_link_libraries(schnapsen_bench PRIVATE ks_schnapsen ks_harness)
    endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL ks_schnapsen_selfplay_link)
list(APPEND KS_FUZZ_LIBS ks_schnapsen)
