# Drawing canvas shared by the image generators, the card/table image generator, and the
# generated data folder (images only; nothing binary is kept in the repository).
find_package(Freetype REQUIRED)

add_library(ks_canvas STATIC ${CMAKE_SOURCE_DIR}/tools/common/canvas.cpp)
target_include_directories(ks_canvas PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(ks_canvas PRIVATE ${KS_WARNINGS})
target_link_libraries(ks_canvas PUBLIC ks_platform PRIVATE Freetype::Freetype)

# The drawing of cards, backs, chips, rooms and icons is a library, so its pure parts are
# tested; main.cpp only writes the files.
file(GLOB ks_cardart_srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/cards/*.cpp)
list(FILTER ks_cardart_srcs EXCLUDE REGEX "/main\\.cpp$")
if(ks_cardart_srcs)
    add_library(ks_cardart STATIC ${ks_cardart_srcs})
    target_compile_options(ks_cardart PRIVATE ${KS_WARNINGS})
    target_link_libraries(ks_cardart PUBLIC ks_canvas)

    add_executable(ks_cardgen ${CMAKE_SOURCE_DIR}/tools/cards/main.cpp)
    target_compile_options(ks_cardgen PRIVATE ${KS_WARNINGS})
    target_link_libraries(ks_cardgen PRIVATE ks_cardart Threads::Threads)
    ks_generate_data(table_data ks_cardgen bilder "Drawing card, chip and table images into data/bilder")
endif()

ks_tests(tools_tests tests/tools ks_cardart ks_canvas ks_pavlune_art)
