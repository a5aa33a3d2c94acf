# The Debian package nexil-zrtpro_VERSION_ARCH.deb, made by cpack in the build
# folder (./scripts/package). Its dependencies are read from the programs.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME nexil-zrtpro)
set(CPACK_PACKAGE_VENDOR NEXIL)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${ZRT_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its window-system plugins at run time, out of sight of the
# dependencies read from the programs.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "programming tool for NEXIL M-4400 and M-4800 video switchers
Describes an installation of NEXIL baseband video switchers: the master unit,
its M-4500 camera interface units, and every input's Arch Number and name.
Imports the site's paging-system programming (Lunetta, Quillon, M-7700), finds
Arch Number conflicts, edits the idle loop and unit settings, saves the
configuration in .zrt files and writes it into the switcher's memory over a
serial line, a modem or the network.
.
The package holds the window (zrtpro), the same operations from a shell
(zrtpro-cli) and a unit emulator for trying them without hardware
(zrtpro-unitsim).")

include(CPack)
