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
if(TARGET app_gl_tests)
    add_dependencies(app_gl_tests kartenspiele)
    target_compile_definitions(app_gl_tests PRIVATE KS_PROGRAM="$<TARGET_FILE:kartenspiele>")
endif()
find_package(X11 REQUIRED)
if(TARGET app_gl_tests)
    target_link_libraries(app_gl_tests PRIVATE X11::X11)
endif()

# The shell's benchmark needs the shell; bench targets exist only at the end of the root file.
function(ks_app_bench)
    if(TARGET shell_bench)
        target_link_libraries(shell_bench PRIVATE ks_app)
    endif()
endfunction()
cmake_language(DEFER CALL ks_app_bench)
