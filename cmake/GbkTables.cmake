# Tables of Chinese text are kept as UTF-8 data files and turned into GBK
# string literals at build time, so the sources stay readable and every
# compiler (gcc, clang, mingw) sees plain byte escapes.
#
# add_gbk_table(<target> <file.txt>...) generates <name>.inc for each file
# into the target's build folder and puts that folder on its include path.
function(add_gbk_table target)
  set(out_dir ${CMAKE_CURRENT_BINARY_DIR}/gbk_tables)
  set(generator ${PROJECT_SOURCE_DIR}/scripts/gen_gbk_table.py)
  set(outputs)
  foreach(txt IN LISTS ARGN)
    get_filename_component(name ${txt} NAME_WE)
    get_filename_component(src ${txt} ABSOLUTE)
    set(out ${out_dir}/${name}.inc)
    add_custom_command(
      OUTPUT ${out}
      COMMAND ${Python3_EXECUTABLE} ${generator} ${src} ${out}
      DEPENDS ${src} ${generator}
      COMMENT "Generating GBK table ${name}.inc"
      VERBATIM)
    list(APPEND outputs ${out})
  endforeach()
  target_sources(${target} PRIVATE ${outputs})
  target_include_directories(${target} PRIVATE ${out_dir})
endfunction()
