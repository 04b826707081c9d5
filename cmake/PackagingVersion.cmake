# Read by cpack for each run: the program's package carries yaopan's
# version, the library's packages guaku's own.
if(CPACK_COMPONENTS_ALL STREQUAL "program")
  set(CPACK_PACKAGE_VERSION ${CPACK_YAOPAN_VERSION})
else()
  set(CPACK_PACKAGE_VERSION ${CPACK_GUAKU_VERSION})
endif()
