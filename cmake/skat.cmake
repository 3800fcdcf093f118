# Skat: rules core, flow, settlement, options and characters, bidding evaluation (ks_skat), its
# data files in data/oldsk (copied from tools/skat at build time) and its tests.
file(GLOB ks_skat_srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/games/skat_jass_schnapsen/skat*.cpp)
add_library(ks_skat STATIC ${ks_skat_srcs})
target_include_directories(ks_skat PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(ks_skat PRIVATE ${KS_WARNINGS})
target_link_libraries(ks_skat PUBLIC ks_table)

if(TARGET ks_app)
    target_link_libraries(ks_app PUBLIC ks_skat)
endif()

if(KS_DATA)
    set(ks_skat_daten buben.txt karten.txt kartenf.txt ch.txt)
    set(ks_skat_ziele)
    foreach(f ${ks_skat_daten})
        add_custom_command(OUTPUT ${CMAKE_SOURCE_DIR}/data/oldsk/${f}
                           COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/tools/skat/${f}
                                   ${CMAKE_SOURCE_DIR}/data/oldsk/${f}
                           DEPENDS ${CMAKE_SOURCE_DIR}/tools/skat/${f}
                           COMMENT "Copying the Skat data file ${f} into data/oldsk"
                           VERBATIM)
        list(APPEND ks_skat_ziele ${CMAKE_SOURCE_DIR}/data/oldsk/${f})
    endforeach()
    add_custom_target(skat_data ALL DEPENDS ${ks_skat_ziele})
endif()

ks_tests(skat_tests tests/games/skat ks_harness ks_skat)
ks_gl_tests(skat_gl_tests tests/games/skat/gl ks_harness ks_skat)

# The Skat benchmark needs the game and the harness; the benchmark targets are made after the
# fragments, so the link is added once the whole directory is read.
function(ks_skat_bench_link)
    if(TARGET skat_bench)
        target_link_libraries(skat_bench PRIVATE ks_skat ks_harness)
    endif()
endfunction()
if(KS_BENCH)
    cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL ks_skat_bench_link)
endif()
list(APPEND KS_FUZZ_LIBS ks_skat)
