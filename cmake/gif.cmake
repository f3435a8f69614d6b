# qv::gif — giflib.
#   Windows builds: the static library cross-built by scripts/build-giflib into
#                   QV_GIF_PREFIX (the presets point it at build/deps/giflib/<arch>).
#   Native builds:  Debian's libgif-dev through find_package(GIF).
if(TARGET qv::gif)
  return()
endif()

if(WIN32)
  set(QV_GIF_PREFIX "" CACHE PATH "Folder holding lib/libgif.a and include/gif_lib.h for this target")
  if(NOT QV_GIF_PREFIX)
    message(FATAL_ERROR "QV_GIF_PREFIX is not set: use a mingw-* preset, or pass -DQV_GIF_PREFIX=<repo>/build/deps/giflib/<arch>")
  endif()
  if(NOT EXISTS "${QV_GIF_PREFIX}/lib/libgif.a" OR NOT EXISTS "${QV_GIF_PREFIX}/include/gif_lib.h")
    message(FATAL_ERROR "giflib for Windows not found in ${QV_GIF_PREFIX}: run scripts/build-giflib (or scripts/setup)")
  endif()
  add_library(qv::gif STATIC IMPORTED GLOBAL)
  set_target_properties(qv::gif PROPERTIES
    IMPORTED_LOCATION "${QV_GIF_PREFIX}/lib/libgif.a"
    INTERFACE_INCLUDE_DIRECTORIES "${QV_GIF_PREFIX}/include")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${QV_GIF_PREFIX}/.stamp")
else()
  find_package(GIF REQUIRED)
  add_library(qv::gif INTERFACE IMPORTED GLOBAL)
  target_link_libraries(qv::gif INTERFACE GIF::GIF)
endif()
