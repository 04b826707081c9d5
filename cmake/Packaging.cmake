# The Debian package: `cpack -G DEB` in the build folder packs what
# `cmake --install` installs (yaopan, libguaku with its header and
# pkg-config file, the pages, the menu entry and the icon) under /usr.
set(CPACK_PACKAGE_NAME yaopan)
set(CPACK_PACKAGE_VENDOR "The yaopan developers")
set(CPACK_PACKAGE_CONTACT "The yaopan developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Hexagram casting by the Meihua Yishu method, with the guaku library")
set(CPACK_PACKAGE_DESCRIPTION "yaopan casts and reads hexagrams by the Meihua Yishu (plum-blossom \
numerology) method: nine casting methods, the lunar date and four pillars of the moment, and the five \
hexagrams of the reading. guaku, its companion library, offers stroke counts, hexagram names, pillars, \
xun void and the Qimen chart number to any program.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# The Qt, libjpeg and C++ runtime dependencies, read from the binaries.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk")
# The package carries libguaku.so.${GUAKU_VERSION_MAJOR} at guaku's own version.
set(CPACK_DEBIAN_PACKAGE_PROVIDES "libguaku${GUAKU_VERSION_MAJOR} (= ${GUAKU_VERSION})")
set(CPACK_STRIP_FILES ON)
include(CPack)
