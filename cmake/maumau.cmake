# Mau Mau and Schwimmen: rules, flow, results, options and computer players (ks_maumau,
# ks_schwimmen) and their tests.
file(GLOB ks_maumau_srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/games/rummy_shedding/maumau*.cpp)
add_library(ks_maumau STATIC ${ks_maumau_srcs})
target_include_directories(ks_maumau PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(ks_maumau PRIVATE ${KS_WARNINGS})
target_link_libraries(ks_maumau PUBLIC ks_table)

file(GLOB ks_schwimmen_srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/games/rummy_shedding/schwimmen*.cpp)
if(ks_schwimmen_srcs)
    add_library(ks_schwimmen STATIC ${ks_schwimmen_srcs})
    target_include_directories(ks_schwimmen PUBLIC ${CMAKE_SOURCE_DIR})
    target_compile_options(ks_schwimmen PRIVATE ${KS_WARNINGS})
    target_link_libraries(ks_schwimmen PUBLIC ks_maumau ks_table)
else()
    add_library(ks_schwimmen INTERFACE)
endif()

if(TARGET ks_app)
    target_link_libraries(ks_app PUBLIC ks_maumau ks_schwimmen)
endif()

ks_tests(maumau_tests tests/games/maumau ks_harness ks_maumau ks_schwimmen)

# build/selfplay is made in another fragment; link once the whole directory is read.
function(ks_maumau_selfplay_link)
    if(TARGET selfplay)
        target_link_libraries(selfplay PRIVATE ks_maumau ks_schwimmen)
    endif()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL ks_maumau_selfplay_link)
# The benchmark targets are made after the fragments: link once the whole directory is read.
function(ks_maumau_bench_link)
    if(TARGET maumau_bench)
        target_link_libraries(maumau_bench PRIVATE ks_maumau ks_schwimmen ks_harness)
    endif()
endfunction()
if(KS_BENCH)
    cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL ks_maumau_bench_link)
endif()
list(APPEND KS_FUZZ_LIBS ks_maumau ks_schwimmen)
