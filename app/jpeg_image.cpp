#include "jpeg_image.h"

#include <QFile>
#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first

#include <jpeglib.h>

namespace {

// Far above the pictures the program ships; a header claiming more is taken
// as damage rather than an allocation to attempt.
constexpr JDIMENSION kMaxSide = 8192;

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void JumpOut(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

// libjpeg reports truncated or corrupt data only as a warning and goes on
// with grey filler; a half-grey picture is not what the file holds, so a
// warning ends the decode like an error.
void WarningsAreFatal(j_common_ptr cinfo, int msgLevel) {
    if (msgLevel < 0) JumpOut(cinfo);
}

void Silent(j_common_ptr) {}

// Decodes into `*image`, which lives in the caller's frame so that the
// longjmp out of libjpeg skips no C++ destructor. Only plain C objects are
// local here.
bool DecodeInto(const unsigned char* data, unsigned long size, QImage* image) {
    jpeg_decompress_struct cinfo;
    ErrorManager errors;
    cinfo.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = JumpOut;
    errors.base.emit_message = WarningsAreFatal;
    errors.base.output_message = Silent;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, size);
    jpeg_read_header(&cinfo, TRUE);

    QImage::Format format;
    if (cinfo.num_components == 1 && cinfo.jpeg_color_space == JCS_GRAYSCALE) {
        cinfo.out_color_space = JCS_GRAYSCALE;
        format = QImage::Format_Grayscale8;
    } else if (cinfo.num_components == 3) {
        cinfo.out_color_space = JCS_RGB;
        format = QImage::Format_RGB888;
    } else {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    if (cinfo.image_width == 0 || cinfo.image_height == 0 || cinfo.image_width > kMaxSide ||
        cinfo.image_height > kMaxSide) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_start_decompress(&cinfo);
    *image = QImage(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height), format);
    if (image->isNull()) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = image->scanLine(static_cast<int>(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

}  // namespace

QImage DecodeJpeg(const QByteArray& bytes) {
    if (bytes.isEmpty()) return {};
    QImage image;
    if (!DecodeInto(reinterpret_cast<const unsigned char*>(bytes.constData()),
                    static_cast<unsigned long>(bytes.size()), &image))
        return {};
    return image;
}

QImage LoadJpeg(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return DecodeJpeg(file.readAll());
}
