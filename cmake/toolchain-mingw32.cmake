# Cross-build for Windows with Debian's mingw-w64 (posix threads); CTest runs
# the results under Wine. LB_ARCH (scripts/arch.sh) picks 32-bit Windows
# (i686, the programs' own target) or, on a host that runs no 32-bit code,
# 64-bit Windows (x86_64).
if(NOT LB_ARCH)
  if(DEFINED ENV{LB_ARCH})
    set(LB_ARCH $ENV{LB_ARCH})
  else()
    set(LB_ARCH i686)
  endif()
endif()
set(LB_ARCH ${LB_ARCH} CACHE STRING "Windows target: i686 or x86_64" FORCE)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${LB_ARCH})
set(TOOLCHAIN_PREFIX ${LB_ARCH}-w64-mingw32)

set(CMAKE_C_COMPILER   ${TOOLCHAIN_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOOLCHAIN_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER  ${TOOLCHAIN_PREFIX}-windres)
set(CMAKE_DLLTOOL      ${TOOLCHAIN_PREFIX}-dlltool)

set(CMAKE_FIND_ROOT_PATH /usr/${TOOLCHAIN_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Wine runs the tests; see scripts/wine-test.sh.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-test.sh)
