# Compiles the two icon files into corvane_core, on every platform, so the
# program and the native tests decode the very same bytes.

set(corvane_embedded_dir ${CMAKE_BINARY_DIR}/generated/resources)

function(corvane_embed_file input function)
  get_filename_component(stem ${input} NAME_WE)
  set(output ${corvane_embedded_dir}/${stem}_data.cpp)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${corvane_embedded_dir}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${input} -DOUTPUT=${output} -DFUNCTION=${function}
            -DHEADER=resources/embedded_icons.h -P ${PROJECT_SOURCE_DIR}/cmake/EmbedFile.cmake
    DEPENDS ${input} ${PROJECT_SOURCE_DIR}/cmake/EmbedFile.cmake
    COMMENT "Embedding ${stem}.ico"
    VERBATIM)
  target_sources(corvane_core PRIVATE ${output})
endfunction()

corvane_embed_file(${PROJECT_SOURCE_DIR}/resources/tray_icon.ico TrayIconFile)
corvane_embed_file(${PROJECT_SOURCE_DIR}/resources/menu_button.ico MenuButtonIconFile)
