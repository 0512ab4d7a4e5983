# The Debian package of the desktop program and the command-line tool:
#   cpack -G DEB   (in a Release build; scripts/package does it all)
# gives rondoplan_<version>_amd64.deb with everything the install rules put under /usr.

set(RONDOPLAN_ONDERHOUDER "Rondoplan maintainers <maintainers@users.noreply.c-seed-a45225b4.example>"
    CACHE STRING "Maintainer named in the Debian package")

set(CPACK_PACKAGE_NAME rondoplan)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${RONDOPLAN_ONDERHOUDER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Directories in the package as Debian wants them, whatever the umask of the build.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_STRIP_FILES ON)
# Only what the install rules of the programs and their files name; nothing of a test or a
# benchmark.
set(CPACK_DEB_COMPONENT_INSTALL OFF)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_NAME rondoplan)
set(CPACK_DEBIAN_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://rondoplan.nl/)
# The libraries come from dpkg-shlibdeps; Qt's platform plugins and its Dutch texts for the
# standard dialogs are loaded at run time, so no library names them: they are added here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "match schedules for sports tournaments")
# CPack puts the summary first, indents these lines and marks the empty one between paragraphs.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Rondoplan draws up the match schedule of a sports tournament. The organiser
enters the teams and divides them into poules, describes the days, the parts
of each day, the fields and the match times, and gets a complete schedule:
shown on screen, printed (full schedule, poule division, a schedule per team,
referee notes) or written as PDF, and saved as a plain text .trn file. During
the match day it keeps the results and the standings.

The program is in Dutch and works entirely offline. The command
rondoplan-schema builds, checks and exports schedules without a window.")

include(CPack)
