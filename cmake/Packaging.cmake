# Debian packages, split as Debian splits a program with a library:
#   yaopan        the two programs, their pages, menu entry, icon, metainfo,
#                 manual pages and completion
#   libguaku<N>   the runtime library, named after its SONAME
#   libguaku-dev  the header, guaku.pc and the unversioned link
# scripts/make-packages.sh packs them from a built tree: the program at
# yaopan's version, the library's two at guaku's own (one cpack run each,
# as a run has one version; PackagingVersion.cmake picks it).
set(YAOPAN_MAINTAINER "The yaopan developers <yaopan@example.org>")
set(guaku_runtime_package libguaku${GUAKU_VERSION_MAJOR})

set(CPACK_PACKAGE_NAME yaopan)
set(CPACK_PACKAGE_VENDOR "The yaopan developers")
set(CPACK_PACKAGE_CONTACT "${YAOPAN_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${YAOPAN_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://example.org/yaopan")
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Dependencies on Qt, libjpeg, SQLite and the C++ runtime, read from the
# binaries; the library's own dependency is named below, since it is not
# installed where dpkg-shlibdeps looks.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PROJECT_BINARY_DIR}/guaku)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/PackagingVersion.cmake)
set(CPACK_YAOPAN_VERSION ${PROJECT_VERSION})
set(CPACK_GUAKU_VERSION ${GUAKU_VERSION})

set(CPACK_DEBIAN_PROGRAM_PACKAGE_NAME yaopan)
set(CPACK_DEBIAN_PROGRAM_PACKAGE_SECTION utils)
# dpkg-shlibdeps finds libdate-tz3; the zone rules it reads are tzdata's
# files, which no library link names.
set(CPACK_DEBIAN_PROGRAM_PACKAGE_DEPENDS "${guaku_runtime_package} (>= ${GUAKU_VERSION}), libdate-tz3, tzdata")
# Qt's own boxes and dialogs in Chinese come with Qt's translations.
set(CPACK_DEBIAN_PROGRAM_PACKAGE_RECOMMENDS "fonts-noto-cjk, qt6-translations-l10n")
set(CPACK_DEBIAN_PROGRAM_DESCRIPTION "hexagram casting by the plum-blossom numerology method
yaopan casts and reads hexagrams by the Meihua Yishu (plum-blossom
numerology) method: nine casting methods, the lunar date and four pillars
of the moment, and the five hexagrams of the reading with their line
figures, in a window (yaopan) or on the command line (yaopan-cast).")

set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME ${guaku_runtime_package})
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SOURCE guaku)
# shlibs for the library's package (the only one with a shared object).
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
set(CPACK_DEBIAN_RUNTIME_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/packaging/debian/triggers)
set(CPACK_DEBIAN_RUNTIME_DESCRIPTION "divination functions for hexagram casting (shared library)
guaku offers six C functions: stroke counts of Chinese characters, the
names of the 64 hexagrams, the hour and ten-minute pillars, the xun void
and the Qimen chart number.

This package holds the shared library.")

set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME libguaku-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SOURCE guaku)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS "${guaku_runtime_package} (= ${GUAKU_VERSION})")
set(CPACK_DEBIAN_DEVELOPMENT_DESCRIPTION "divination functions for hexagram casting (development files)
guaku offers six C functions: stroke counts of Chinese characters, the
names of the 64 hexagrams, the hour and ten-minute pillars, the xun void
and the Qimen chart number.

This package holds the header, the pkg-config file and the link for
building programs with the library.")
include(CPack)
