# add_wine_test(name SOURCES ... [LIBS ...] [SERIAL])
# One GoogleTest executable, run under Wine by CTest. SERIAL tests open
# windows or share a window class, a mutex or the screen: they take the
# "desktop" resource lock and so run one at a time. Every one runs under the
# box rule (tests/support/BoxRule.h) from its main.
function(add_wine_test name)
  cmake_parse_arguments(T "SERIAL" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  project_warnings(${name})
  target_link_libraries(${name} PRIVATE ${T_LIBS} testmain)
  add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
  set_tests_properties(${name} PROPERTIES TIMEOUT 300)
  if(T_SERIAL)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK desktop)
  endif()
endfunction()
