# qv::png — libpng with the zlib it needs.
#   Windows builds: the static libraries cross-built by scripts/build-libpng into
#                   QV_PNG_PREFIX (the presets point it at build/deps/libpng/<arch>).
#   Native builds:  Debian's libpng-dev and zlib1g-dev through find_package(PNG).
if(TARGET qv::png)
  return()
endif()

if(WIN32)
  set(QV_PNG_PREFIX "" CACHE PATH "Folder holding lib/libpng.a, lib/libz.a and include/png.h for this target")
  if(NOT QV_PNG_PREFIX)
    message(FATAL_ERROR "QV_PNG_PREFIX is not set: use a mingw-* preset, or pass -DQV_PNG_PREFIX=<repo>/build/deps/libpng/<arch>")
  endif()
  foreach(_qv_file lib/libpng.a lib/libz.a include/png.h include/zlib.h)
    if(NOT EXISTS "${QV_PNG_PREFIX}/${_qv_file}")
      message(FATAL_ERROR "libpng for Windows not found in ${QV_PNG_PREFIX}: run scripts/build-libpng (or scripts/setup)")
    endif()
  endforeach()
  unset(_qv_file)
  add_library(qv::zlib STATIC IMPORTED GLOBAL)
  set_target_properties(qv::zlib PROPERTIES
    IMPORTED_LOCATION "${QV_PNG_PREFIX}/lib/libz.a"
    INTERFACE_INCLUDE_DIRECTORIES "${QV_PNG_PREFIX}/include")
  add_library(qv::png STATIC IMPORTED GLOBAL)
  set_target_properties(qv::png PROPERTIES
    IMPORTED_LOCATION "${QV_PNG_PREFIX}/lib/libpng.a"
    INTERFACE_INCLUDE_DIRECTORIES "${QV_PNG_PREFIX}/include"
    INTERFACE_LINK_LIBRARIES qv::zlib)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${QV_PNG_PREFIX}/.stamp")
else()
  find_package(PNG REQUIRED)
  add_library(qv::png INTERFACE IMPORTED GLOBAL)
  target_link_libraries(qv::png INTERFACE PNG::PNG)
endif()
