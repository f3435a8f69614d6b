# qv::jpeg — the JPEG library (libjpeg-turbo, libjpeg 6b API).
#   Windows builds: the static library cross-built by scripts/build-libjpeg into
#                   QV_JPEG_PREFIX (the presets point it at build/deps/<arch>).
#   Native builds:  Debian's libjpeg62-turbo-dev through find_package(JPEG).
if(TARGET qv::jpeg)
  return()
endif()

if(WIN32)
  set(QV_JPEG_PREFIX "" CACHE PATH "Folder holding lib/libjpeg.a and include/jpeglib.h for this target")
  if(NOT QV_JPEG_PREFIX)
    message(FATAL_ERROR "QV_JPEG_PREFIX is not set: use a mingw-* preset, or pass -DQV_JPEG_PREFIX=<repo>/build/deps/<arch>")
  endif()
  set(_qv_jpeg_lib "${QV_JPEG_PREFIX}/lib/libjpeg.a")
  set(_qv_jpeg_inc "${QV_JPEG_PREFIX}/include")
  if(NOT EXISTS "${_qv_jpeg_lib}" OR NOT EXISTS "${_qv_jpeg_inc}/jpeglib.h")
    message(FATAL_ERROR "libjpeg for Windows not found in ${QV_JPEG_PREFIX}: run scripts/build-libjpeg (or scripts/setup)")
  endif()
  add_library(qv::jpeg STATIC IMPORTED GLOBAL)
  set_target_properties(qv::jpeg PROPERTIES
    IMPORTED_LOCATION "${_qv_jpeg_lib}"
    INTERFACE_INCLUDE_DIRECTORIES "${_qv_jpeg_inc}")
  # Relink when the cached library is rebuilt.
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${QV_JPEG_PREFIX}/.stamp")
  unset(_qv_jpeg_lib)
  unset(_qv_jpeg_inc)
else()
  find_package(JPEG REQUIRED)
  add_library(qv::jpeg INTERFACE IMPORTED GLOBAL)
  target_link_libraries(qv::jpeg INTERFACE JPEG::JPEG)
endif()
