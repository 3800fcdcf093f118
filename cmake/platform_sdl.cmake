# Image files (libjpeg) for the platform library; the SDL2/OpenGL/FreeType layer as ks_platform_sdl.
pkg_check_modules(KS_JPEG REQUIRED IMPORTED_TARGET libjpeg)
target_link_libraries(ks_platform PUBLIC PkgConfig::KS_JPEG)

# SDL2 window and GL context, FreeType glyph widths.
pkg_check_modules(KS_SDL2 REQUIRED IMPORTED_TARGET sdl2)
pkg_check_modules(KS_FREETYPE REQUIRED IMPORTED_TARGET freetype2)
find_package(OpenGL REQUIRED COMPONENTS OpenGL GLX)
ks_library(ks_platform_sdl platform/sdl ks_platform PkgConfig::KS_SDL2 PkgConfig::KS_FREETYPE OpenGL::GL OpenGL::GLU)
target_link_libraries(ks_gui PUBLIC ks_platform_sdl)
target_link_libraries(platform_tests PRIVATE ks_platform_sdl)
