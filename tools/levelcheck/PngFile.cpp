// libpng's simplified interface: the whole picture in one call, with its
// own error handling instead of the longjmp of the classic one.
#include "PngFile.h"

#include <png.h>
#include <stdexcept>

void writePng(const std::string& path, const Canvas& canvas) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(canvas.width());
    image.height = static_cast<png_uint_32>(canvas.height());
    image.format = PNG_FORMAT_RGB;
    const png_int_32 rowStride = canvas.width() * 3;
    if (!png_image_write_to_file(&image, path.c_str(), 0, canvas.bytes().data(), rowStride,
                                 nullptr)) {
        const std::string why = image.message;
        png_image_free(&image);
        throw std::runtime_error(path + " cannot be written: " + why);
    }
}
