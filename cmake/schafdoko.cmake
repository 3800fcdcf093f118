# Schafkopf and Doppelkopf: rules, flow, settlements and options of both trick games
# (ks_schafkopf_doppelkopf) and their tests.
file(GLOB ks_schafdoko_srcs CONFIGURE_DEPENDS
     ${CMAKE_SOURCE_DIR}/games/schafkopf_doppelkopf/schafkopf*.cpp
     ${CMAKE_SOURCE_DIR}/games/schafkopf_doppelkopf/doppelkopf*.cpp
     ${CMAKE_SOURCE_DIR}/games/schafkopf_doppelkopf/sd_*.cpp)
add_library(ks_schafkopf_doppelkopf STATIC ${ks_schafdoko_srcs})
target_include_directories(ks_schafkopf_doppelkopf PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(ks_schafkopf_doppelkopf PRIVATE ${KS_WARNINGS})
target_link_libraries(ks_schafkopf_doppelkopf PUBLIC ks_table)

if(TARGET ks_app)
    target_link_libraries(ks_app PUBLIC ks_schafkopf_doppelkopf)
endif()
if(TARGET selfplay)
    target_link_libraries(selfplay PRIVATE ks_schafkopf_doppelkopf)
endif()

ks_tests(schafdoko_tests tests/games/schafdoko ks_harness ks_schafkopf_doppelkopf)

# The benchmark needs the games and the harness; the benchmark targets are made after the
# fragments, so the link is added once the whole directory is read.
function(ks_schafdoko_bench_link)
    if(TARGET schafdoko_bench)
        target_link_libraries(schafdoko_bench PRIVATE ks_schafkopf_doppelkopf ks_harness)
    endif()
    if(TARGET schafkopf_ki_bench)
        target_link_libraries(schafkopf_ki_bench PRIVATE ks_schafkopf_doppelkopf ks_harness)
    endif()
    if(TARGET doppelkopf_ki_bench)
        target_link_libraries(doppelkopf_ki_bench PRIVATE ks_schafkopf_doppelkopf ks_harness)
    endif()
endfunction()
if(KS_BENCH)
    cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL ks_schafdoko_bench_link)
endif()
