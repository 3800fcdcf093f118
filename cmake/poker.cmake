# Texas Hold'em (ks_poker): hand evaluator, flow and betting, pots, options and texts, on the
# casino chips of ks_casino. Its files share games/casino, so they are taken out of ks_casino's
# folder glob and built here.
file(GLOB ks_poker_srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/games/casino/holdem*.cpp)
get_target_property(ks_casino_srcs ks_casino SOURCES)
list(FILTER ks_casino_srcs EXCLUDE REGEX "/holdem[^/]*\\.cpp$")
set_property(TARGET ks_casino PROPERTY SOURCES ${ks_casino_srcs})

add_library(ks_poker STATIC ${ks_poker_srcs})
target_include_directories(ks_poker PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(ks_poker PRIVATE ${KS_WARNINGS})
target_link_libraries(ks_poker PUBLIC ks_casino ks_table)

if(TARGET ks_app)
    target_link_libraries(ks_app PUBLIC ks_poker)
endif()
if(TARGET selfplay)
    target_link_libraries(selfplay PRIVATE ks_poker)
    # where self-play finds data/pfp.txt when it is not started in the program folder
    target_compile_definitions(selfplay PRIVATE KS_POKER_PROGRAMM="${CMAKE_SOURCE_DIR}")
endif()

ks_tests(poker_tests tests/games/poker ks_poker ks_harness)

function(ks_poker_bench_link)
    if(TARGET holdem_bench)
        target_link_libraries(holdem_bench PRIVATE ks_poker ks_harness)
    endif()
    if(TARGET holdem_ki_bench)
        target_link_libraries(holdem_ki_bench PRIVATE ks_poker)
    endif()
endfunction()
if(KS_BENCH)
    cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL ks_poker_bench_link)
endif()
list(APPEND KS_FUZZ_LIBS ks_poker)

# The preflop win-chance table data/pfp.txt, simulated once by our own evaluator; it is made
# again only when the generator changes.
add_executable(holdem_pfp ${CMAKE_SOURCE_DIR}/tools/poker/pfp.cpp)
target_compile_options(holdem_pfp PRIVATE ${KS_WARNINGS})
target_link_libraries(holdem_pfp PRIVATE ks_poker)
if(KS_DATA)
    add_custom_command(OUTPUT ${CMAKE_SOURCE_DIR}/data/pfp.txt
                       COMMAND holdem_pfp ${CMAKE_SOURCE_DIR}/data
                       DEPENDS holdem_pfp
                       COMMENT "Simulating the preflop win-chance table data/pfp.txt"
                       VERBATIM)
    add_custom_target(poker_data ALL DEPENDS ${CMAKE_SOURCE_DIR}/data/pfp.txt)
endif()

# The learning store the program brings, data/brain.txt: self-play of six "Profi" seats that
# learn from the winners of every seat until the store is full. Made again only when the
# computer player or its self-play changes.
if(KS_DATA AND TARGET selfplay)
    file(GLOB ks_poker_ki_srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/games/casino/holdem_ki*)
    add_custom_command(OUTPUT ${CMAKE_SOURCE_DIR}/data/brain.txt
                       COMMAND ${CMAKE_COMMAND} -E remove -f ${CMAKE_SOURCE_DIR}/data/brain.txt
                       COMMAND $<TARGET_FILE:selfplay> pok 3000 --levels 3,3,3,3,3,3 --seed 1
                               --option Lernspeicher=${CMAKE_SOURCE_DIR}/data/brain.txt --option Lernen=1
                       DEPENDS ${ks_poker_ki_srcs} ${CMAKE_SOURCE_DIR}/bench/selfplay/poker.cpp
                               ${CMAKE_SOURCE_DIR}/data/pfp.txt
                       WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
                       COMMENT "Learning the poker store data/brain.txt in self-play"
                       VERBATIM)
    add_custom_target(poker_brain ALL DEPENDS ${CMAKE_SOURCE_DIR}/data/brain.txt)
    add_dependencies(poker_brain selfplay)
endif()
