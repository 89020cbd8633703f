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
