# Warnings for our own code (third-party targets do not call this).
function(project_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wno-unused-parameter
    $<$<COMPILE_LANGUAGE:CXX>:-Wno-cast-function-type>)
endfunction()
