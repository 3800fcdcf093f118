# GL tests of the frame loop on the real window and of the dialog painter (run under Xvfb);
# they draw their own copy of the library images.
ks_gl_tests(gui_paint_gl_tests tests/gui/glpaint ks_gui ks_pavlune_art)

# The painter benchmark draws its own images too; bench targets exist only at the end of the
# root file, so the wiring waits until then.
function(ks_glloop_bench)
    if(TARGET painter_bench)
        target_link_libraries(painter_bench PRIVATE ks_gui ks_pavlune_art)
    endif()
endfunction()
cmake_language(DEFER CALL ks_glloop_bench)
