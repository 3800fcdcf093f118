# Saved games of every game: the checks a loaded record passes before it is played, over the
# whole program's games in the headless harness.
ks_tests(spielstaende_tests tests/games/spielstaende ks_harness)

# The fuzz target of saved games plays on with the games, through the harness.
if(TARGET spielstaende_fuzz)
    target_link_libraries(spielstaende_fuzz PRIVATE ks_harness)
    target_compile_definitions(spielstaende_fuzz PRIVATE KS_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
endif()
