# Build-time script: turns one file into a C++ source whose function, in
# namespace corvane, returns the file's bytes. Run as
#   cmake -DINPUT=<file> -DOUTPUT=<cpp> -DFUNCTION=<name> -DHEADER=<include> -P EmbedFile.cmake

foreach(var INPUT OUTPUT FUNCTION HEADER)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "EmbedFile.cmake needs -D${var}=...")
  endif()
endforeach()

file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" hex_length)
if(hex_length EQUAL 0)
  message(FATAL_ERROR "${INPUT} is empty")
endif()
math(EXPR byte_count "${hex_length} / 2")

string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
# Sixteen bytes a line keeps the generated file readable in a debugger.
string(REPEAT "0x..," 16 line_pattern)
string(REGEX REPLACE "(${line_pattern})" "\\1\n    " bytes "${bytes}")
string(STRIP "${bytes}" bytes)

get_filename_component(input_name ${INPUT} NAME)
file(WRITE ${OUTPUT}.tmp
"// Generated from ${input_name} by cmake/EmbedFile.cmake; do not edit.
#include \"${HEADER}\"

namespace corvane {
namespace {

constexpr uint8_t kBytes[${byte_count}] = {
    ${bytes}
};

}  // namespace

std::span<const uint8_t> ${FUNCTION}() { return kBytes; }

}  // namespace corvane
")
# Rewriting an unchanged file would only make the build recompile it.
configure_file(${OUTPUT}.tmp ${OUTPUT} COPYONLY)
file(REMOVE ${OUTPUT}.tmp)
