// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/picture_encoding.h"

#include <gtest/gtest.h>

#include <csetjmp>
#include <cstdio>
#include <fstream>
#include <sstream>

#include <jpeglib.h>

namespace velmar {
namespace {

// A width x height picture, red left of the middle, blue right of it.
RgbPicture TwoColours(int width, int height) {
    RgbPicture picture{width, height, {}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.rgb.insert(picture.rgb.end(),
                               {std::uint8_t(x < width / 2 ? 220 : 10), std::uint8_t(20),
                                std::uint8_t(x < width / 2 ? 30 : 200)});
    return picture;
}

std::uint32_t Little(const std::string& bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

TEST(PictureEncodingTest, FormatFollowsTheNamesEnding) {
    EXPECT_EQ(PictureFormatForName("board.jpg"), PictureFormat::Jpeg);
    EXPECT_EQ(PictureFormatForName("boardjpg"), PictureFormat::Jpeg);
    EXPECT_EQ(PictureFormatForName("board.JPG"), PictureFormat::Jpeg);
    EXPECT_EQ(PictureFormatForName("board.jpeg"), PictureFormat::Jpeg);
    EXPECT_EQ(PictureFormatForName("board.JPEG"), PictureFormat::Jpeg);
    EXPECT_EQ(PictureFormatForName("board.bmp"), PictureFormat::Bmp);
    EXPECT_EQ(PictureFormatForName("board"), PictureFormat::Bmp);
    EXPECT_EQ(PictureFormatForName("board.png"), PictureFormat::Png);
    EXPECT_EQ(PictureFormatForName("board.PNG"), PictureFormat::Png);
}

TEST(PictureEncodingTest, BitmapRowsRunFromTheBottomInBgrPaddedToFourBytes) {
    RgbPicture picture = TwoColours(3, 2);
    picture.rgb[0] = 1; // top-left pixel: (1, 20, 30)
    const EncodedPicture bmp = EncodeBmp(picture);
    ASSERT_TRUE(bmp.ok()) << bmp.error;
    ASSERT_EQ(bmp.bytes.size(), 54u + 2 * 12);
    EXPECT_EQ(bmp.bytes.substr(0, 2), "BM");
    EXPECT_EQ(Little(bmp.bytes, 2, 4), 78u);
    EXPECT_EQ(Little(bmp.bytes, 10, 4), 54u);
    EXPECT_EQ(Little(bmp.bytes, 18, 4), 3u);
    EXPECT_EQ(Little(bmp.bytes, 22, 4), 2u);
    EXPECT_EQ(Little(bmp.bytes, 28, 2), 24u);
    // The second stored row is the top one, its first pixel blue first.
    EXPECT_EQ(Little(bmp.bytes, 54 + 12, 3), 0x01141Eu);
    EXPECT_EQ(Little(bmp.bytes, 54 + 9, 3), 0u); // padding
}

// Decodes with libjpeg; false when the library refuses the data.
bool DecodeJpeg(const std::string& bytes, RgbPicture& out) {
    jpeg_decompress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    struct Exit {
        static void Throw(j_common_ptr) { throw std::runtime_error("bad jpeg"); }
    };
    errors.error_exit = Exit::Throw;
    try {
        jpeg_create_decompress(&info);
        jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
        jpeg_read_header(&info, TRUE);
        info.out_color_space = JCS_RGB;
        jpeg_start_decompress(&info);
        out = RgbPicture{static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                         std::vector<std::uint8_t>(info.output_width * info.output_height * 3)};
        while (info.output_scanline < info.output_height) {
            JSAMPROW row = out.rgb.data() + info.output_scanline * info.output_width * 3;
            jpeg_read_scanlines(&info, &row, 1);
        }
        jpeg_finish_decompress(&info);
    } catch (const std::runtime_error&) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_destroy_decompress(&info);
    return true;
}

TEST(PictureEncodingTest, JpegDecodesToTheBoardsSizeAndColours) {
    const EncodedPicture jpeg = EncodeJpeg(TwoColours(430, 424));
    ASSERT_TRUE(jpeg.ok()) << jpeg.error;
    RgbPicture decoded;
    ASSERT_TRUE(DecodeJpeg(jpeg.bytes, decoded));
    EXPECT_EQ(decoded.width, 430);
    EXPECT_EQ(decoded.height, 424);
    const std::uint8_t* left = &decoded.rgb[(200 * 430 + 50) * 3];
    const std::uint8_t* right = &decoded.rgb[(200 * 430 + 380) * 3];
    EXPECT_NEAR(left[0], 220, 8);
    EXPECT_NEAR(right[2], 200, 8);
}

TEST(PictureEncodingTest, EncodersRefuseWhatTheyCannotWrite) {
    EXPECT_FALSE(EncodeBmp(RgbPicture{}).ok());
    RgbPicture shortRows = TwoColours(4, 4);
    shortRows.rgb.pop_back();
    EXPECT_FALSE(EncodeBmp(shortRows).ok());
    EXPECT_FALSE(EncodeJpeg(shortRows).ok());
    // Beyond the largest JPEG side: the library's reason comes back.
    const EncodedPicture wide = EncodeJpeg(TwoColours(70000, 1));
    EXPECT_FALSE(wide.ok());
    EXPECT_NE(wide.error.find("65500"), std::string::npos) << wide.error;
    EXPECT_TRUE(wide.bytes.empty());
}

TEST(PictureEncodingTest, PaddedRowsArePacked) {
    const std::uint8_t rows[] = {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0};
    const RgbPicture picture = PictureFromRows(2, 2, rows, 8);
    EXPECT_EQ(picture.rgb, (std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
}

} // namespace
} // namespace velmar
