# export_def(<out-var> <file.def>): the .def file to give the linker or
# dlltool for this target. Our .def files name stdcall exports with their
# 32-bit decoration (Name@N); 64-bit Windows has one calling convention and
# no decoration, so for it a copy without the "@N" is made in the build tree.
function(export_def out def)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    get_filename_component(name ${def} NAME)
    set(plain ${CMAKE_CURRENT_BINARY_DIR}/x64-${name})
    file(READ ${def} text)
    string(REGEX REPLACE "([A-Za-z0-9_])@[0-9]+" "\\1" text "${text}")
    file(CONFIGURE OUTPUT ${plain} CONTENT "${text}" @ONLY)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${def})
    set(${out} ${plain} PARENT_SCOPE)
  else()
    set(${out} ${def} PARENT_SCOPE)
  endif()
endfunction()

# place_beside(<target> <file-producing targets...>): the files of the given
# targets (our DLLs, the test control) are copied into the folder of
# <target>'s program before it is built, and again whenever one of them
# changes, so a program never runs against a stale copy. Programs of one
# folder share one copy.
function(place_beside target)
  get_target_property(dir ${target} RUNTIME_OUTPUT_DIRECTORY)
  if(NOT dir)
    get_target_property(dir ${target} BINARY_DIR)
  endif()
  foreach(dep ${ARGN})
    string(MAKE_C_IDENTIFIER "placed_${dep}_in_${dir}" copier)
    if(NOT TARGET ${copier})
      set(stamp ${CMAKE_BINARY_DIR}/placed/${copier}.stamp)
      add_custom_command(OUTPUT ${stamp}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
        COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:${dep}> ${dir}
        COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
        DEPENDS ${dep} $<TARGET_FILE:${dep}>
        VERBATIM)
      add_custom_target(${copier} DEPENDS ${stamp})
    endif()
    add_dependencies(${target} ${copier})
  endforeach()
endfunction()
