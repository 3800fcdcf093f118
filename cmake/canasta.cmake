# Canasta: rules, move builders, flow, settlement and options, computer player (ks_canasta), its
# tests and its self-play entry.
file(GLOB ks_canasta_srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/games/rummy_shedding/canasta*.cpp)
add_library(ks_canasta STATIC ${ks_canasta_srcs})
target_include_directories(ks_canasta PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(ks_canasta PRIVATE ${KS_WARNINGS})
target_link_libraries(ks_canasta PUBLIC ks_table)

if(TARGET ks_app)
    target_link_libraries(ks_app PUBLIC ks_canasta)
endif()

ks_tests(canasta_tests tests/games/canasta ks_harness ks_canasta)

# build/selfplay and the benchmarks are made after this fragment: link once the directory is read.
function(ks_canasta_spaet)
    if(TARGET selfplay)
        target_link_libraries(selfplay PRIVATE ks_canasta)
    endif()
    if(TARGET canasta_bench)
        target_link_libraries(canasta_bench PRIVATE ks_canasta ks_harness)
    endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL ks_canasta_spaet)
list(APPEND KS_FUZZ_LIBS ks_canasta)
