# The application shell: the main form, the dispatcher, the frame, the dialogs and textures
# (ks_app), the program itself (kartenspiele) and its tests. GL tests start the real program
# under Xvfb.
file(GLOB ks_app_srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/app/*.cpp)
list(FILTER ks_app_srcs EXCLUDE REGEX "/main\\.cpp$")
add_library(ks_app STATIC ${ks_app_srcs})
target_include_directories(ks_app PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(ks_app PRIVATE ${KS_WARNINGS})
target_link_libraries(ks_app PUBLIC ks_table)

add_executable(kartenspiele ${CMAKE_SOURCE_DIR}/app/main.cpp)
target_compile_options(kartenspiele PRIVATE ${KS_WARNINGS})
target_link_libraries(kartenspiele PRIVATE ks_app)

ks_tests(app_tests tests/app ks_app)
ks_gl_tests(app_gl_tests tests/app/gl ks_app)

# The whole program started as a process under Xvfb and looked at through X: it runs alone, so
# that no other test's window lies over it.
find_package(X11 REQUIRED)
add_executable(app_program_tests ${CMAKE_SOURCE_DIR}/tests/app/programm/programm_test.cpp)
target_compile_options(app_program_tests PRIVATE ${KS_WARNINGS})
target_compile_definitions(app_program_tests PRIVATE KS_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
                                                     KS_PROGRAM="$<TARGET_FILE:kartenspiele>")
target_include_directories(app_program_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
# XTest scripts the pointer; only its run-time library is needed (the test declares the calls).
find_library(KS_XTST_LIB NAMES Xtst libXtst.so.6 REQUIRED)
target_link_libraries(app_program_tests PRIVATE ks_platform X11::X11 ${KS_XTST_LIB} GTest::gtest
                                                GTest::gtest_main)
add_dependencies(app_program_tests kartenspiele)
gtest_discover_tests(app_program_tests WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR} DISCOVERY_TIMEOUT 60
                     PROPERTIES LABELS gl RUN_SERIAL TRUE)

# The shell's benchmark needs the shell; bench targets exist only at the end of the root file.
function(ks_app_bench)
    if(TARGET shell_bench)
        target_link_libraries(shell_bench PRIVATE ks_app)
    endif()
endfunction()
cmake_language(DEFER CALL ks_app_bench)
