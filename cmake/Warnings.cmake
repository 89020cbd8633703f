# Warnings for our own code (third-party targets do not call this).
function(project_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wno-unused-parameter
    $<$<COMPILE_LANGUAGE:CXX>:-Wno-cast-function-type>)
endfunction()

# add_globbed_library(name dir [EXCLUDE files...] [ONLY files...]): a static
# library of the .cpp files in dir (or of those ONLY files that exist). A folder whose sources have not been written yet still
# gives a library, so targets can link it from the start.
function(add_globbed_library name dir)
  cmake_parse_arguments(G "" "" "EXCLUDE;ONLY" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(G_ONLY)
    set(wanted ${sources})
    set(sources)
    foreach(f ${G_ONLY})
      if(f IN_LIST wanted)
        list(APPEND sources ${f})
      endif()
    endforeach()
  endif()
  if(G_EXCLUDE)
    list(REMOVE_ITEM sources ${G_EXCLUDE})
  endif()
  if(NOT sources)
    set(stub ${CMAKE_CURRENT_BINARY_DIR}/${name}_empty.cpp)
    file(WRITE ${stub} "// no sources yet\n")
    set(sources ${stub})
  endif()
  add_library(${name} STATIC ${sources})
  project_warnings(${name})
  target_include_directories(${name} PUBLIC ${dir})
endfunction()
