# The generator of calendar/data/astronomical_calendar.inc: a build-time tool
# over libnova, never linked into a program. Built only where libnova is
# installed (Debian libnova-dev); the table's regeneration test fails without it.
find_path(LIBNOVA_INCLUDE_DIR libnova/libnova.h)
find_library(LIBNOVA_LIBRARY nova)
if(LIBNOVA_INCLUDE_DIR AND LIBNOVA_LIBRARY)
  add_executable(gen_astronomical_calendar ${PROJECT_SOURCE_DIR}/scripts/gen_astronomical_calendar.cpp)
  target_include_directories(gen_astronomical_calendar PRIVATE ${LIBNOVA_INCLUDE_DIR})
  target_link_libraries(gen_astronomical_calendar PRIVATE ${LIBNOVA_LIBRARY} m)
else()
  message(STATUS "libnova not found: gen_astronomical_calendar is not built")
endif()
