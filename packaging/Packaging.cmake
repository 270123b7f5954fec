# A Debian package of what `cmake --install` installs: `cpack -G DEB` in a Release build.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME osterlin-config)
set(CPACK_PACKAGE_VENDOR "Osterlin")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Configuration program for keyboards with per-key lighting and magnetic switches")
set(CPACK_PACKAGE_DESCRIPTION
    "Finds the supported keyboards on a cable or behind their receiver, remaps keys on several layers, \
records macros, sets advanced keys, actuation and rapid trigger, lighting and profiles, upgrades \
firmware, and downloads the configuration into the keyboard.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Osterlin Config developers <dev@osterlin.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so the shared-library scan cannot see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt5svg5, libqt5multimedia5-plugins, fonts-wqy-microhei")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_LIST_DIR}/debian/postinst
                                       ${CMAKE_CURRENT_LIST_DIR}/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
