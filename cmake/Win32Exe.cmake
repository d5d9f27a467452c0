# corvane.exe: the Win32 backend and its resources over the portable core.
# Works with the mingw-w64 cross compiler, MSYS2 and MSVC (with vcpkg's jpeg).

enable_language(RC)

# With vcpkg, pair ON with VCPKG_TARGET_TRIPLET=x64-windows-static for an exe
# that needs no DLL beside it; OFF suits the default x64-windows triplet.
option(CORVANE_MSVC_STATIC_RUNTIME "Link the MSVC runtime statically" OFF)

file(GLOB CORVANE_WIN32_SOURCES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/toolkit/win32/*.cpp)
set(CORVANE_RC ${PROJECT_SOURCE_DIR}/resources/corvane.rc)

add_executable(corvane WIN32 ${CORVANE_WIN32_SOURCES} ${CORVANE_RC})
target_link_libraries(corvane PRIVATE
  corvane_core
  user32 gdi32 msimg32 comctl32 shell32 shlwapi advapi32 ole32 uuid)

# The resource compiler does not see that the icon and the manifest are inputs.
set_source_files_properties(${CORVANE_RC} PROPERTIES OBJECT_DEPENDS
  "${PROJECT_SOURCE_DIR}/resources/tray_icon.ico;${PROJECT_SOURCE_DIR}/resources/corvane.manifest")
target_include_directories(corvane PRIVATE ${PROJECT_SOURCE_DIR}/resources)

# Wide-character Win32 throughout; the entry point is wWinMain.
target_compile_definitions(corvane PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)

if(MINGW)
  # -municode selects the wWinMain start-up code. Static linking leaves only
  # system DLLs to import, so the exe runs without any mingw runtime beside it.
  target_compile_options(corvane PRIVATE $<$<COMPILE_LANGUAGE:CXX>:-municode>)
  target_link_options(corvane PRIVATE -municode -static -static-libgcc -static-libstdc++)
elseif(MSVC)
  # The manifest comes from corvane.rc; a linker-made one would collide with it.
  target_link_options(corvane PRIVATE /MANIFEST:NO /ENTRY:wWinMainCRTStartup)
  if(CORVANE_MSVC_STATIC_RUNTIME)
    set_property(TARGET corvane corvane_core PROPERTY
      MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
  endif()
endif()

if(NOT CMAKE_SIZEOF_VOID_P EQUAL 8)
  message(WARNING "corvane.exe is meant to be a 64-bit program")
endif()
