# Installing and packaging. `cmake --install` puts the module into the user's
# plug-in folder; cpack makes a Debian package (Linux) or a zip (Windows) from
# the "package" component, which only cpack installs.
# cpack and cmake --install take what the build made; they build nothing.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(TOLVO_VST_DIR "$ENV{HOME}/.vst" CACHE PATH
  "Folder `cmake --install` puts the plug-in into (~/.vst for the user, /usr/lib/vst for the whole system)")
install(TARGETS Tolvo LIBRARY DESTINATION ${TOLVO_VST_DIR} COMPONENT user)

set(CPACK_PACKAGE_NAME tolvo)
set(CPACK_PACKAGE_VENDOR Corvath)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "Mono gain-staging VST 2.4 and LV2 plug-in with trim, polarity, mute, bypass and level meters")
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};Tolvo;package;/")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)

if(WIN32)
  install(TARGETS Tolvo LIBRARY DESTINATION . COMPONENT package EXCLUDE_FROM_ALL)
  install(FILES ${PROJECT_SOURCE_DIR}/tools/packaging/README-Windows.txt DESTINATION . RENAME README.txt
    COMPONENT package EXCLUDE_FROM_ALL)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME Tolvo-${PROJECT_VERSION}-win64)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
else()
  install(TARGETS Tolvo LIBRARY DESTINATION lib/vst COMPONENT package EXCLUDE_FROM_ALL)
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Corvath")
  set(CPACK_DEBIAN_PACKAGE_SECTION sound)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()
include(CPack)
