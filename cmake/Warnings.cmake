# Warnings for our own code (third-party targets do not call this).
function(project_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wno-unused-parameter
    $<$<COMPILE_LANGUAGE:CXX>:-Wno-cast-function-type>)
endfunction()

# add_folder_library(name dir [EXCLUDE files...]): a static library of the
# .cpp files of one folder, which is the library's home. A folder without a
# source is an error, not an empty library. Includes are written from the
# repository's root ("model/Browser.h"), so no library adds its folder to
# the include path.
function(add_folder_library name dir)
  cmake_parse_arguments(G "" "" "EXCLUDE" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  foreach(f ${G_EXCLUDE})
    if(NOT f IN_LIST sources)
      message(FATAL_ERROR "add_folder_library(${name}): ${f} is not a source of ${dir}")
    endif()
    list(REMOVE_ITEM sources ${f})
  endforeach()
  if(NOT sources)
    message(FATAL_ERROR "add_folder_library(${name}): no source in ${dir}")
  endif()
  add_library(${name} STATIC ${sources})
  project_warnings(${name})
endfunction()
