# The GUI library's images (data/pavlune), drawn by a generator at build time. The drawing is a
# library of its own: the GL tests and the painter benchmark draw their own copy with it.
add_library(ks_pavlune_art STATIC ${CMAKE_SOURCE_DIR}/tools/pavlune/pavlune.cpp)
target_compile_options(ks_pavlune_art PRIVATE ${KS_WARNINGS})
target_link_libraries(ks_pavlune_art PUBLIC ks_canvas)

add_executable(ks_pavlune ${CMAKE_SOURCE_DIR}/tools/pavlune/main.cpp)
target_compile_options(ks_pavlune PRIVATE ${KS_WARNINGS})
target_link_libraries(ks_pavlune PRIVATE ks_pavlune_art)
if(KS_DATA)
    # The stamp lives inside data/, so deleting the folder brings the images back.
    set(ks_pavlune_stamp ${CMAKE_SOURCE_DIR}/data/pavlune/.pavlune.stamp)
    add_custom_command(OUTPUT ${ks_pavlune_stamp}
                       COMMAND ks_pavlune ${CMAKE_SOURCE_DIR}/data
                       COMMAND ${CMAKE_COMMAND} -E touch ${ks_pavlune_stamp}
                       DEPENDS ks_pavlune
                       COMMENT "Drawing the GUI library's images into data/pavlune"
                       VERBATIM)
    add_custom_target(gui_data ALL DEPENDS ${ks_pavlune_stamp})
endif()

# GL tests of the window, textures, text and frames (run under Xvfb); they draw their own
# copy of the images.
ks_gl_tests(gui_gl_tests tests/gui/gl ks_gui ks_pavlune_art)
