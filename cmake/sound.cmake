# Sound, speech and music (ks_sound: the mixer on SDL2 audio, the WAVE reader, the sound
# manager, the sentence tables, music over libmpg123), linked into the shell; the generator of
# data/sound and data/music; the sound tests and the mixer benchmark.
pkg_check_modules(KS_MPG123 REQUIRED IMPORTED_TARGET libmpg123)
ks_library(ks_sound sound ks_table PkgConfig::KS_MPG123 PkgConfig::KS_SDL2)
target_link_libraries(ks_app PUBLIC ks_sound)

ks_tests(sound_tests tests/sound ks_sound)

# The generator renders the effects with sox, the speech with the espeak-ng library and the music
# with lame;
# it names the recordings with the game core's own file-name rule.
file(GLOB ks_soundgen_srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/sound/*.cpp)
if(ks_soundgen_srcs)
    add_executable(ks_soundgen ${ks_soundgen_srcs})
    target_compile_options(ks_soundgen PRIVATE ${KS_WARNINGS})
    target_compile_definitions(ks_soundgen PRIVATE KS_SOUND_TOOLS="${CMAKE_SOURCE_DIR}/tools/sound")
    pkg_check_modules(KS_ESPEAK REQUIRED IMPORTED_TARGET espeak-ng)
    target_link_libraries(ks_soundgen PRIVATE ks_sound PkgConfig::KS_ESPEAK)
    set_property(TARGET ks_soundgen APPEND PROPERTY LINK_DEPENDS ${CMAKE_SOURCE_DIR}/tools/sound/saetze.txt)
    ks_generate_data(sound_data ks_soundgen sound "Rendering effects, speech and music into data/sound and data/music")
    if(TARGET sound_data AND TARGET sound_tests)
        add_dependencies(sound_tests sound_data)
    endif()
endif()

function(ks_sound_bench)
    if(TARGET sound_bench)
        target_link_libraries(sound_bench PRIVATE ks_sound)
    endif()
endfunction()
cmake_language(DEFER CALL ks_sound_bench)

# The fuzz targets of the WAVE and codes.txt readers need the sound library.
list(APPEND KS_FUZZ_LIBS ks_sound)
