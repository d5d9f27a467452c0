# Provides JPEG::JPEG when cross-building with mingw-w64: Debian has no mingw
# libjpeg, so a static libjpeg-turbo is built once per build tree at configure
# time and reused by every later configure.

set(CORVANE_LIBJPEG_DIR ${CMAKE_BINARY_DIR}/third_party/libjpeg-turbo)

if(CMAKE_TOOLCHAIN_FILE)
  get_filename_component(corvane_jpeg_toolchain ${CMAKE_TOOLCHAIN_FILE} ABSOLUTE
    BASE_DIR ${CMAKE_BINARY_DIR})
else()
  set(corvane_jpeg_toolchain ${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
endif()

execute_process(
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/../scripts/build-libjpeg-mingw.sh
          ${CORVANE_LIBJPEG_DIR} ${corvane_jpeg_toolchain}
  RESULT_VARIABLE corvane_jpeg_result)
if(NOT corvane_jpeg_result EQUAL 0)
  message(FATAL_ERROR "Building libjpeg-turbo for mingw failed (${corvane_jpeg_result})")
endif()

add_library(JPEG::JPEG STATIC IMPORTED)
set_target_properties(JPEG::JPEG PROPERTIES
  IMPORTED_LOCATION ${CORVANE_LIBJPEG_DIR}/lib/libjpeg.a
  INTERFACE_INCLUDE_DIRECTORIES ${CORVANE_LIBJPEG_DIR}/include)
