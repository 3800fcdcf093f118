# Rommé: rules, flow, settlement, options and the computer player (ks_romme), and its tests.
file(GLOB ks_romme_srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/games/rummy_shedding/romme*.cpp)
add_library(ks_romme STATIC ${ks_romme_srcs})
target_include_directories(ks_romme PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(ks_romme PRIVATE ${KS_WARNINGS})
target_link_libraries(ks_romme PUBLIC ks_table)

if(TARGET ks_app)
    target_link_libraries(ks_app PUBLIC ks_romme)
endif()

ks_tests(romme_tests tests/games/romme ks_harness ks_romme)

# The selfplay program and the benchmarks are made after this fragment: link once all is read.
function(ks_romme_link)
    if(TARGET selfplay)
        target_link_libraries(selfplay PRIVATE ks_romme)
    endif()
    if(TARGET romme_bench)
        target_link_libraries(romme_bench PRIVATE ks_romme ks_harness)
    endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL ks_romme_link)
list(APPEND KS_FUZZ_LIBS ks_romme)
