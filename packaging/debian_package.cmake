# CPack: one Debian package of everything `cmake --install` lays out, named
# dtii-designer_<version>_<arch>.deb. The library dependencies are read from the programs
# (dpkg-shlibdeps); the Chinese font the windows need is named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dtii-designer)
set(CPACK_PACKAGE_VENDOR "DTII designer maintainers")
set(CPACK_PACKAGE_CONTACT "DTII designer maintainers <dtii-designer@users.noreply.github.com>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "design calculation of fixed DTII belt conveyors")
set(CPACK_PACKAGE_DESCRIPTION "\
A desktop engineering calculator for fixed belt conveyors built from DTII
standard components. From the conveyor's conditions and the chosen belt,
idlers, rollers and pulley lagging it computes masses per metre,
resistances, drive force, powers and the four belt tensions, then selects
the DTII designation and unit weight of every piece of equipment and
structure and writes the report.

The package holds the Qt window program dtii-designer and the command line
dtii-calc, which share one calculation core.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${DTII_HOMEPAGE_URL})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wqy-microhei | fonts-noto-cjk")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

include(CPack)
