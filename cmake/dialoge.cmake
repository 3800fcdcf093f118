# The default option files of every dialog (data/settings/di_<id>_def.dco), made by building the
# dialogs on the display-free library, and the help texts (data/help) from tools/help.
add_executable(ks_dialoge ${CMAKE_SOURCE_DIR}/tools/dialoge/main.cpp)
target_compile_options(ks_dialoge PRIVATE ${KS_WARNINGS})
target_link_libraries(ks_dialoge PRIVATE ks_app)
if(KS_DATA)
    file(GLOB ks_help_srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/help/*.txt)
    set(ks_dialoge_stamp ${CMAKE_SOURCE_DIR}/data/help/.dialoge_data.stamp)
    add_custom_command(OUTPUT ${ks_dialoge_stamp}
                       COMMAND ks_dialoge ${CMAKE_SOURCE_DIR}/data ${CMAKE_SOURCE_DIR}/tools/help
                       COMMAND ${CMAKE_COMMAND} -E touch ${ks_dialoge_stamp}
                       DEPENDS ks_dialoge ${ks_help_srcs}
                       COMMENT "Writing the default option files and the help texts into data/"
                       VERBATIM)
    add_custom_target(dialoge_data ALL DEPENDS ${ks_dialoge_stamp})
endif()

# The screenshots of the menus and rule pages draw the library's images themselves.
if(TARGET app_gl_tests)
    target_link_libraries(app_gl_tests PRIVATE ks_pavlune_art)
endif()
