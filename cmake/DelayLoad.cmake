# delay_load(<program> <file.def>...): the program takes the DLL each .def
# names (its LIBRARY line; the .def's own name is the DLL's without ".dll")
# only when it first calls one of the entries the .def lists, and not when
# Windows loads the program. dlltool makes a delay-import library of each
# .def (32-bit decorations as in export_def); the program links all of
# every such library before any other library, so its calls reach the
# delay-load thunks and not the DLL's own import library. The program has
# to define the failure hook (__pfnDliFailureHook2) that says what went
# wrong when a DLL or an entry is missing at that first call.
#
# Every build then reads the program's import table back
# (scripts/check-imports.sh): an entry the .def does not list would bring
# its DLL back into the load, and fails the build instead.
function(delay_load target)
  set(dlls)
  foreach(def_in ${ARGN})
    get_filename_component(dll ${def_in} NAME_WE)
    export_def(def ${def_in})
    set(lib ${CMAKE_CURRENT_BINARY_DIR}/delayload/libdelay_${dll}.a)
    add_custom_command(OUTPUT ${lib}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/delayload
      COMMAND ${CMAKE_DLLTOOL} -d ${def} -y ${lib} -k
      DEPENDS ${def} ${def_in}
      VERBATIM)
    string(MAKE_C_IDENTIFIER "delay_${dll}_for_${target}" maker)
    add_custom_target(${maker} DEPENDS ${lib})
    add_dependencies(${target} ${maker})
    target_link_libraries(${target} PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${lib}>")
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${lib})
    list(APPEND dlls ${dll}.dll)
  endforeach()
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/check-imports.sh ${CMAKE_OBJDUMP} $<TARGET_FILE:${target}> ${dlls}
    VERBATIM)
endfunction()
