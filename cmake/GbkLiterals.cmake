# Libraries whose string literals are GBK, as every text below the window
# is, written in UTF-8 sources.
#
# gcc makes the literals GBK with -fexec-charset=GB18030: GB18030 is GBK's
# superset and encodes every GBK character with the same bytes; it also
# takes the few non-GBK literals of the standard headers (µ in <chrono>).
# clang (the fuzz build) has no execution character set but UTF-8: it
# compiles the sources transcoded to GB18030 and keeps their literals' bytes.
#
# add_gbk_literal_library(<target> <source.cpp>...) adds a static library.
function(add_gbk_literal_library target)
  if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    set(generator ${PROJECT_SOURCE_DIR}/scripts/gb18030_source.py)
    set(transcoded)
    foreach(source IN LISTS ARGN)
      set(out ${CMAKE_CURRENT_BINARY_DIR}/gb18030/${source})
      add_custom_command(
        OUTPUT ${out}
        COMMAND ${Python3_EXECUTABLE} ${generator} ${CMAKE_CURRENT_SOURCE_DIR}/${source} ${out}
        DEPENDS ${source} ${generator}
        VERBATIM)
      list(APPEND transcoded ${out})
    endforeach()
    add_library(${target} STATIC ${transcoded})
    target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_compile_options(${target} PRIVATE -Wno-invalid-source-encoding)
  else()
    add_library(${target} STATIC ${ARGN})
    target_compile_options(${target} PRIVATE -fexec-charset=GB18030)
  endif()
endfunction()
