# `cpack -G DEB` in a build configured with CMAKE_INSTALL_PREFIX=/usr makes
# vesk-poker_<version>_<arch>.deb (scripts/package.sh does all of it).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vesk-poker)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${VESK_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
  "A single-player video poker game for coins with a 53-card pack: the 52
ordinary cards and one wild joker. Bet 1 to 10 coins, hold and draw, and
stake a win in one of three double-up games (STANDARD, RED/BLACK, HI/LOW).
Each player's coins and records are kept in ~/.local/share/vesk-poker.")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What no linked library names: the mixer is opened at run time, the settings
# dialog's Japanese needs its font, MIDI sounds need timidity's patches, and Qt
# needs its window-system plugin to open any window at all.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libsdl2-mixer-2.0-0, fonts-ipafont-gothic, timidity, freepats, qt6-qpa-plugins")
include(CPack)
