# Copies the program folder template SRC into DST, leaving files that already
# exist in DST alone (they hold the state of earlier runs).
file(GLOB_RECURSE files RELATIVE "${SRC}" LIST_DIRECTORIES true "${SRC}/*")
foreach(f IN LISTS files)
  if(IS_DIRECTORY "${SRC}/${f}")
    file(MAKE_DIRECTORY "${DST}/${f}")
  elseif(NOT EXISTS "${DST}/${f}")
    get_filename_component(dir "${DST}/${f}" DIRECTORY)
    file(COPY "${SRC}/${f}" DESTINATION "${dir}")
  endif()
endforeach()
