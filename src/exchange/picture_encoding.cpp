// SPDX-License-Identifier: GPL-3.0-or-later
// The file-name rule and the BMP writer.
#include "exchange/picture_encoding.h"

#include "text/string_table.h"

#include <limits>

namespace velmar {

namespace {

void PutLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

constexpr std::uint32_t kFileHeaderBytes = 14;
constexpr std::uint32_t kInfoHeaderBytes = 40;
constexpr std::uint32_t kPixelsPerMetre = 3780; // 96 dots per inch

} // namespace

RgbPicture PictureFromRows(int width, int height, const std::uint8_t* rows,
                           std::size_t bytesPerLine) {
    RgbPicture picture;
    if (width <= 0 || height <= 0 || rows == nullptr) return picture;
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
    picture.width = width;
    picture.height = height;
    picture.rgb.reserve(rowBytes * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = rows + static_cast<std::size_t>(y) * bytesPerLine;
        picture.rgb.insert(picture.rgb.end(), row, row + rowBytes);
    }
    return picture;
}

std::string PictureProblem(const RgbPicture& picture) {
    if (picture.width <= 0 || picture.height <= 0) return "the picture is empty";
    const std::size_t pixels =
        static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height);
    if (picture.rgb.size() / 3 != pixels || picture.rgb.size() % 3 != 0)
        return "the picture's pixels do not match its size";
    return {};
}

PictureFormat PictureFormatForName(std::string_view fileName) {
    const std::string lower = AsciiLower(fileName);
    if (lower.ends_with("jpg") || lower.ends_with(".jpeg")) return PictureFormat::Jpeg;
    if (lower.ends_with(".png")) return PictureFormat::Png;
    return PictureFormat::Bmp;
}

EncodedPicture EncodeBmp(const RgbPicture& picture) {
    EncodedPicture out;
    out.error = PictureProblem(picture);
    if (!out.ok()) return out;
    // Rows run from the bottom, blue first, each padded to four bytes.
    const std::uint64_t rowBytes = (static_cast<std::uint64_t>(picture.width) * 3 + 3) & ~3ull;
    const std::uint64_t pixelBytes = rowBytes * static_cast<std::uint64_t>(picture.height);
    const std::uint64_t fileBytes = kFileHeaderBytes + kInfoHeaderBytes + pixelBytes;
    if (fileBytes > std::numeric_limits<std::uint32_t>::max()) {
        out.error = "the picture is too large for a bitmap file";
        return out;
    }
    std::string& bmp = out.bytes;
    bmp.reserve(static_cast<std::size_t>(fileBytes));
    bmp += "BM";
    PutLittleEndian(bmp, static_cast<std::uint32_t>(fileBytes), 4);
    PutLittleEndian(bmp, 0, 4); // reserved
    PutLittleEndian(bmp, kFileHeaderBytes + kInfoHeaderBytes, 4);
    PutLittleEndian(bmp, kInfoHeaderBytes, 4);
    PutLittleEndian(bmp, static_cast<std::uint32_t>(picture.width), 4);
    PutLittleEndian(bmp, static_cast<std::uint32_t>(picture.height), 4);
    PutLittleEndian(bmp, 1, 2);  // planes
    PutLittleEndian(bmp, 24, 2); // bits a pixel
    PutLittleEndian(bmp, 0, 4);  // no compression
    PutLittleEndian(bmp, static_cast<std::uint32_t>(pixelBytes), 4);
    PutLittleEndian(bmp, kPixelsPerMetre, 4);
    PutLittleEndian(bmp, kPixelsPerMetre, 4);
    PutLittleEndian(bmp, 0, 4); // colours used
    PutLittleEndian(bmp, 0, 4); // important colours
    const std::size_t width = static_cast<std::size_t>(picture.width);
    const std::size_t padding = static_cast<std::size_t>(rowBytes) - width * 3;
    for (int y = picture.height - 1; y >= 0; --y) {
        const std::uint8_t* row = picture.rgb.data() + static_cast<std::size_t>(y) * width * 3;
        for (std::size_t x = 0; x < width; ++x) {
            bmp += static_cast<char>(row[3 * x + 2]);
            bmp += static_cast<char>(row[3 * x + 1]);
            bmp += static_cast<char>(row[3 * x]);
        }
        bmp.append(padding, '\0');
    }
    return out;
}

} // namespace velmar
