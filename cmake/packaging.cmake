# The Debian package of the three programs: scripts/package runs
# 'cpack -G DEB' in a Release build of this project.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zemprog)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "${ZEM_PUBLISHER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programming software for a 16-channel handheld FM radio")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Zem Programming Software maintainers <maintainers@zemprog.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${ZEM_HOMEPAGE})
# The libraries come from the binaries; Qt's platform plugins, which the
# window needs, are loaded at run time and must be named.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The synopsis is the summary above; this is the extended description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Zem Programming Software reads the memory of a 16-channel handheld FM
two-way radio over a serial programming cable, shows it on three pages
(the channel table, the optional features, the key assignment), writes it
back to the radio and keeps it as a .Zem program file. It prints the
channel listing, and a service dialog behind an access code sets the
radio's transmit-power values.
.
The package holds the desktop program zemprog, the command line zemtool
for scripts and for checking files without a window, and zemsim, a virtual
radio on a pseudo-terminal for trying the program without a radio.")
include(CPack)
