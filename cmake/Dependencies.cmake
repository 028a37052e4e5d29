# Libraries of the platform layer. On Linux they come from Debian's -dev
# packages; the Windows cross build links zlib and a libpng built from
# Debian's source package (see cmake/MingwLibpng.cmake).
add_library(tolvo_platform_libs INTERFACE)
if(WIN32)
  target_compile_definitions(tolvo_platform_libs INTERFACE NOMINMAX WIN32_LEAN_AND_MEAN)
  target_link_libraries(tolvo_platform_libs INTERFACE
    gdiplus gdi32 user32 shell32 ws2_32 ole32)
else()
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(CAIRO REQUIRED IMPORTED_TARGET cairo)
  pkg_check_modules(LIBPNG REQUIRED IMPORTED_TARGET libpng)
  find_package(X11 REQUIRED)
  target_link_libraries(tolvo_platform_libs INTERFACE
    PkgConfig::CAIRO PkgConfig::LIBPNG X11::X11 ${CMAKE_DL_LIBS})
endif()
