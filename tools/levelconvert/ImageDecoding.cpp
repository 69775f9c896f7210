#include "ImageDecoding.h"

#include <IL/il.h>

#include "Resources/ImageCheck.h"

bool gameCanDecode(const std::vector<char>& file) {
    static const bool started = (ilInit(), true);
    (void)started;
    if (file.empty() || !imageDataComplete(file)) {
        return false;
    }
    const ILuint image = ilGenImage();
    ilBindImage(image);
    // DevIL's signature takes a non-const lump; it only reads it.
    const bool decoded = ilLoadL(IL_TYPE_UNKNOWN, const_cast<char*>(file.data()),
                                 static_cast<ILuint>(file.size())) &&
                         ilConvertImage(IL_RGBA, IL_UNSIGNED_BYTE);
    ilDeleteImage(image);
    return decoded;
}
