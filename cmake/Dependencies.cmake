# Libraries of the platform layer. On Linux they come from Debian's -dev
# packages; the Windows cross build links zlib and a libpng built from
# Debian's source package by tools/ci/build-mingw-libpng.sh.
add_library(tolvo_platform_libs INTERFACE)
if(WIN32)
  set(libpng_script ${CMAKE_CURRENT_LIST_DIR}/../tools/ci/build-mingw-libpng.sh)
  execute_process(COMMAND bash ${libpng_script} --folder
    OUTPUT_VARIABLE shared_libpng_dir OUTPUT_STRIP_TRAILING_WHITESPACE)
  set(TOLVO_MINGW_LIBPNG_DIR ${shared_libpng_dir} CACHE PATH
    "Output folder of tools/ci/build-mingw-libpng.sh; built there at configure time when missing")
  execute_process(
    COMMAND bash ${libpng_script} ${TOLVO_MINGW_LIBPNG_DIR}
    RESULT_VARIABLE libpng_failed)
  if(libpng_failed)
    message(FATAL_ERROR "building libpng for mingw into ${TOLVO_MINGW_LIBPNG_DIR} failed")
  endif()
  # zlib by its full path, so the module needs no zlib1.dll.
  find_library(TOLVO_MINGW_ZLIB NAMES libz.a REQUIRED)
  add_library(tolvo_mingw_png STATIC IMPORTED)
  set_target_properties(tolvo_mingw_png PROPERTIES
    IMPORTED_LOCATION ${TOLVO_MINGW_LIBPNG_DIR}/install/lib/libpng16.a
    INTERFACE_INCLUDE_DIRECTORIES ${TOLVO_MINGW_LIBPNG_DIR}/install/include
    INTERFACE_LINK_LIBRARIES ${TOLVO_MINGW_ZLIB})
  target_compile_definitions(tolvo_platform_libs INTERFACE NOMINMAX WIN32_LEAN_AND_MEAN)
  target_link_libraries(tolvo_platform_libs INTERFACE
    tolvo_mingw_png gdiplus gdi32 user32 shell32 ws2_32 ole32)
else()
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(CAIRO REQUIRED IMPORTED_TARGET cairo)
  pkg_check_modules(LIBPNG REQUIRED IMPORTED_TARGET libpng)
  find_package(X11 REQUIRED)
  target_link_libraries(tolvo_platform_libs INTERFACE
    PkgConfig::CAIRO PkgConfig::LIBPNG X11::X11 X11::Xext ${CMAKE_DL_LIBS})
endif()
