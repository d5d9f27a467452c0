// libjpeg reports errors by calling error_exit, which must not return. The
// writer's error_exit jumps back into Encode, a plain C-style function that
// holds no object with a destructor, because longjmp would skip it.
#include "export/jpeg_writer.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace corvane {
namespace {

// libjpeg's error manager first, so that libjpeg's err pointer is also ours.
struct ErrorTrap {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void JumpBackToWriter(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<ErrorTrap*>(cinfo->err)->jump, 1);
}

// Nothing libjpeg says may reach the user or the console.
void DiscardMessage(j_common_ptr) {}

#ifdef JCS_EXTENSIONS
// libjpeg-turbo reads blue, green, red directly, with the same conversion as
// for RGB, so the image rows go in unchanged.
constexpr bool kReadsBgrDirectly = true;
#else
constexpr bool kReadsBgrDirectly = false;
#endif

void SetInputColourSpace(jpeg_compress_struct* cinfo) {
#ifdef JCS_EXTENSIONS
    cinfo->in_color_space = JCS_EXT_BGR;
#else
    cinfo->in_color_space = JCS_RGB;
#endif
}

void CopySwappingRedAndBlue(const uint8_t* bgr, JSAMPROW rgb, int32_t width) {
    for (int32_t i = 0; i < width; ++i, bgr += 3, rgb += 3) {
        rgb[0] = bgr[2];
        rgb[1] = bgr[1];
        rgb[2] = bgr[0];
    }
}

void WriteRows(jpeg_compress_struct* cinfo, const Image24& image) {
    if constexpr (kReadsBgrDirectly) {
        for (int32_t row = 0; row < image.height(); ++row) {
            // libjpeg only reads the rows it is given; its API lacks const.
            JSAMPROW rowPointer = const_cast<JSAMPROW>(image.RowFromTop(row));
            jpeg_write_scanlines(cinfo, &rowPointer, 1);
        }
    } else {
        // From libjpeg's pool: freed by jpeg_destroy_compress, even on an error.
        JSAMPARRAY buffer = (*cinfo->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(cinfo), JPOOL_IMAGE,
                                                        JDIMENSION(image.width()) * 3, 1);
        for (int32_t row = 0; row < image.height(); ++row) {
            CopySwappingRedAndBlue(image.RowFromTop(row), buffer[0], image.width());
            jpeg_write_scanlines(cinfo, buffer, 1);
        }
    }
}

// C-style on purpose: no object with a destructor lives in this frame.
bool Encode(jpeg_compress_struct* cinfo, ErrorTrap* trap, const Image24& image, std::FILE* file,
            int libjpegQuality) {
    cinfo->err = jpeg_std_error(&trap->manager);
    trap->manager.error_exit = JumpBackToWriter;
    trap->manager.output_message = DiscardMessage;
    trap->manager.trace_level = -1;
    if (setjmp(trap->jump)) {
        jpeg_destroy_compress(cinfo);
        return false;
    }
    jpeg_create_compress(cinfo);
    jpeg_stdio_dest(cinfo, file);
    cinfo->image_width = JDIMENSION(image.width());
    cinfo->image_height = JDIMENSION(image.height());
    cinfo->input_components = 3;
    SetInputColourSpace(cinfo);
    jpeg_set_defaults(cinfo);
    jpeg_set_quality(cinfo, libjpegQuality, FALSE);
    jpeg_start_compress(cinfo, TRUE);
    WriteRows(cinfo, image);
    jpeg_finish_compress(cinfo);  // flushes and checks the file for errors
    jpeg_destroy_compress(cinfo);
    return true;
}

}  // namespace

bool WriteJpeg(const Image24& image, std::FILE* file, int quality) {
    if (!file) return false;
    const int clamped = std::clamp(quality, kJpegQualityMin, kJpegQualityMax);
    // Zeroed, so that destroying after a failure inside jpeg_create_compress
    // finds no memory manager instead of a garbage one.
    jpeg_compress_struct cinfo{};
    ErrorTrap trap{};
    if (!Encode(&cinfo, &trap, image, file, clamped * kJpegQualityToLibjpeg)) return false;
    // libjpeg checked the flush already; a stream error from before it (a
    // write the library did not see fail) still counts.
    return std::fflush(file) == 0 && !std::ferror(file);
}

}  // namespace corvane
