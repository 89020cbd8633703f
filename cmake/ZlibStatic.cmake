# zlib from Debian's libz-mingw-w64-dev, linked statically: the disc folder
# ships no zlib DLL.
find_path(ZLIB_STATIC_INCLUDE zlib.h REQUIRED)
find_file(ZLIB_STATIC_LIBRARY libz.a PATHS ${CMAKE_FIND_ROOT_PATH}/lib NO_DEFAULT_PATH REQUIRED)
add_library(zlib_static STATIC IMPORTED)
set_target_properties(zlib_static PROPERTIES
  IMPORTED_LOCATION ${ZLIB_STATIC_LIBRARY}
  INTERFACE_INCLUDE_DIRECTORIES ${ZLIB_STATIC_INCLUDE})
