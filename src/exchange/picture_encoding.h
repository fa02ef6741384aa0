// SPDX-License-Identifier: GPL-3.0-or-later
// The board picture as a file: the format a chosen file name asks for, and
// the encoders for BMP and JPEG (PNG is written by the window toolkit).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmar {

// Pixels in rows from the top, three bytes (red, green, blue) a pixel, rows
// packed without padding.
struct RgbPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
};

// Copies `height` rows of `width` pixels from rows `bytesPerLine` apart (for
// an image whose rows are padded, such as a toolkit's RGB888 image).
RgbPicture PictureFromRows(int width, int height, const std::uint8_t* rows,
                           std::size_t bytesPerLine);

enum class PictureFormat { Jpeg, Png, Bmp };

// A name ending in "jpg" or ".jpeg" gets JPEG, one ending in ".png" PNG, in
// any letter case; anything else BMP.
PictureFormat PictureFormatForName(std::string_view fileName);

// Why the picture cannot be encoded (no pixels, or too few or too many for
// its size), or an empty text.
std::string PictureProblem(const RgbPicture& picture);

// The bytes of a file, or why there are none.
struct EncodedPicture {
    std::string bytes;
    std::string error; // empty on success
    bool ok() const { return error.empty(); }
};

// A 24-bit device-independent bitmap file.
EncodedPicture EncodeBmp(const RgbPicture& picture);
// A baseline JFIF file through libjpeg with the library's default settings.
EncodedPicture EncodeJpeg(const RgbPicture& picture);

} // namespace velmar
