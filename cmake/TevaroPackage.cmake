# The Debian package: whatever `cmake --install` puts down, under /usr, plus
# the Debian files (copyright, changelog.Debian.gz, maintainer scripts that
# load the udev rule). Built by `cpack -G DEB` in the build folder or by the
# `package` target; its dependencies come from dpkg-shlibdeps (dpkg-dev).

set(_tevaro_debian ${PROJECT_SOURCE_DIR}/packaging/debian)

# The Debian changelog is the one place that names the maintainer; its top
# entry has to be this version, or the package would describe another one.
file(STRINGS ${_tevaro_debian}/changelog _tevaro_changelog)
list(GET _tevaro_changelog 0 _tevaro_changelog_top)
string(REGEX MATCH "^tevaro \\(([^)]+)\\)" _tevaro_match "${_tevaro_changelog_top}")
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
    message(WARNING "packaging/debian/changelog starts with '${CMAKE_MATCH_1}', "
        "the project is ${PROJECT_VERSION}: add an entry for ${PROJECT_VERSION}")
endif()
list(FILTER _tevaro_changelog INCLUDE REGEX "^ -- ")
list(GET _tevaro_changelog 0 _tevaro_trailer)
string(REGEX REPLACE "^ -- (.+>)  .*$" "\\1" _tevaro_maintainer "${_tevaro_trailer}")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tevaro)
set(CPACK_PACKAGE_VENDOR "Tevaro developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${_tevaro_maintainer}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Directories the staging install creates follow the umask otherwise.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# The copyright file and the compressed changelog are Debian's; a plain
# `cmake --install` does without them.
set(CPACK_INSTALL_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/TevaroPackageDocs.cmake)
set(CPACK_TEVARO_DEBIAN_DIR ${_tevaro_debian})

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${_tevaro_maintainer}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/tevaro/tevaro)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "air conditioner electricity bills from a USB remote controller")
# CPack puts the summary on the first line and this text, indented, below it.
set(CPACK_PACKAGE_DESCRIPTION
    "Tevaro reads the USB remote controller of a room air conditioner and keeps
up to seven air conditioners, their settings and their daily use in one
encrypted database. The desktop program shows month calendars of daily
bills and operating times, stacked bill graphs and month totals against
monthly targets; its window and help are in Japanese.
.
The package also holds tevaro-cli, which reads the remote controllers and
prints the month for scripts and machines without a display, tevaro-sim,
which simulates remote controllers for trying the program without one, and
a udev rule that lets the user at the desktop open the remote controller
and keeps ModemManager from probing it.")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${_tevaro_debian}/postinst ${_tevaro_debian}/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
