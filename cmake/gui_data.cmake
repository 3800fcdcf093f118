# The GUI library's images (data/pavlune), drawn by a generator at build time. The drawing is a
# library of its own: the GL tests and the painter benchmark draw their own copy with it.
add_library(ks_pavlune_art STATIC ${CMAKE_SOURCE_DIR}/tools/pavlune/pavlune.cpp)
target_compile_options(ks_pavlune_art PRIVATE ${KS_WARNINGS})
target_link_libraries(ks_pavlune_art PUBLIC ks_canvas)

add_executable(ks_pavlune ${CMAKE_SOURCE_DIR}/tools/pavlune/main.cpp)
target_compile_options(ks_pavlune PRIVATE ${KS_WARNINGS})
target_link_libraries(ks_pavlune PRIVATE ks_pavlune_art)
ks_generate_data(gui_data ks_pavlune pavlune "Drawing the GUI library's images into data/pavlune")

# GL tests of the window, textures, text and frames (run under Xvfb); they draw their own
# copy of the images.
ks_gl_tests(gui_gl_tests tests/gui/gl ks_gui ks_pavlune_art)
