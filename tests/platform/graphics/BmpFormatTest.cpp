#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/core/Exceptions.h"
#include "platform/graphics/BmpFormat.h"
#include "platform/graphics/TBitmap.h"

namespace rt {
namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// A file as another program writes it: headers, palette (BGRX entries) and the
// given bottom-up rows, each already padded to four bytes.
std::vector<uint8_t> MakeFile(int width, int height, int bitCount, const std::vector<uint32_t>& palette,
                              const std::vector<uint8_t>& rows) {
    std::vector<uint8_t> out = {'B', 'M'};
    const uint32_t offset = 14 + 40 + static_cast<uint32_t>(palette.size()) * 4;
    Put32(out, offset + static_cast<uint32_t>(rows.size()));
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(width));
    Put32(out, static_cast<uint32_t>(height));
    Put16(out, 1);
    Put16(out, static_cast<uint32_t>(bitCount));
    Put32(out, 0);
    Put32(out, static_cast<uint32_t>(rows.size()));
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, static_cast<uint32_t>(palette.size()));
    Put32(out, 0);
    for (uint32_t entry : palette) Put32(out, entry);
    out.insert(out.end(), rows.begin(), rows.end());
    return out;
}

TEST(BmpFormatTest, TwentyFourBitRoundTripWithRowPadding) {
    TBitmap bmp(5, 3);  // 15 bytes a row, padded to 16
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) bmp.SetPixel(x, y, RGB(x * 40, y * 80, 7));
    }
    const std::vector<uint8_t> bytes = bmp.SaveToStream();
    EXPECT_EQ(bytes.size(), 14u + 40u + 16u * 3u);
    TBitmap loaded;
    loaded.LoadFromStream(bytes);
    ASSERT_EQ(loaded.Width(), 5);
    ASSERT_EQ(loaded.Height(), 3);
    EXPECT_EQ(loaded.PixelFormat(), pf24bit);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) EXPECT_EQ(loaded.GetPixel(x, y), RGB(x * 40, y * 80, 7)) << x << "," << y;
    }
}

TEST(BmpFormatTest, MonochromeRoundTripAndFileOnDisk) {
    TBitmap mask(10, 2);
    mask.SetMonochrome(true);
    mask.Fill(clBlack);
    mask.SetPixel(9, 0, clWhite);
    mask.SetPixel(0, 1, clWhite);
    const auto path = std::filesystem::temp_directory_path() / "hemr_graphics_mask_test.bmp";
    mask.SaveToFile(path.string());
    TBitmap loaded;
    loaded.LoadFromFile(path.string());
    std::filesystem::remove(path);
    EXPECT_EQ(loaded.PixelFormat(), pf1bit);
    EXPECT_EQ(loaded.RawPixel(9, 0), 1);
    EXPECT_EQ(loaded.RawPixel(0, 1), 1);
    EXPECT_EQ(loaded.RawPixel(8, 0), 0);
    EXPECT_THROW(loaded.LoadFromFile(path.string()), EInOutError) << "a missing file";
    EXPECT_EQ(loaded.Width(), 10);
}

TEST(BmpFormatTest, ReadsPalettizedAndThirtyTwoBitFiles) {
    // 8-bit, 3 x 2: bottom row indexes 0 1 2, top row 2 2 0.
    const std::vector<uint32_t> palette8 = {0x000000FF, 0x0000FF00, 0x00FF0000};  // blue, green, red (BGRX)
    const auto file8 = MakeFile(3, 2, 8, palette8, {0, 1, 2, 0, 2, 2, 0, 0});
    const auto img8 = DecodeBmp(file8.data(), file8.size());
    EXPECT_EQ(img8.Pixels[0], clRed) << "top-left is the first pixel of the last file row";
    EXPECT_EQ(img8.Pixels[3], clBlue) << "bottom-left";
    EXPECT_EQ(img8.Pixels[4], clLime);

    // 4-bit, 3 x 1: indexes 1, 0, 1 packed high nibble first.
    const auto file4 = MakeFile(3, 1, 4, {0x00000000, 0x00FFFFFF}, {0x10, 0x10, 0, 0});
    const auto img4 = DecodeBmp(file4.data(), file4.size());
    EXPECT_EQ(img4.Pixels[0], clWhite);
    EXPECT_EQ(img4.Pixels[1], clBlack);
    EXPECT_FALSE(img4.Monochrome);

    // 1-bit with a coloured palette becomes colour pixels.
    const auto file1 = MakeFile(2, 1, 1, {0x000000FF, 0x0000FFFF}, {0x40, 0, 0, 0});
    const auto img1 = DecodeBmp(file1.data(), file1.size());
    EXPECT_FALSE(img1.Monochrome);
    EXPECT_EQ(img1.Pixels[0], clBlue);
    EXPECT_EQ(img1.Pixels[1], clAqua);

    // 32-bit BGRA, alpha ignored.
    const auto file32 = MakeFile(1, 1, 32, {}, {0x00, 0x80, 0xFF, 0x7F});
    const auto img32 = DecodeBmp(file32.data(), file32.size());
    EXPECT_EQ(img32.Pixels[0], RGB(0xFF, 0x80, 0x00));
}

TEST(BmpFormatTest, TopDownFilesKeepTheirRowOrder) {
    auto file = MakeFile(1, 2, 24, {}, {0, 0, 0xFF, 0, 0xFF, 0, 0, 0});
    // Height -2: the first file row is the top one.
    file[22] = 0xFE;
    file[23] = file[24] = file[25] = 0xFF;
    const auto img = DecodeBmp(file.data(), file.size());
    EXPECT_EQ(img.Height, 2);
    EXPECT_EQ(img.Pixels[0], clRed);
    EXPECT_EQ(img.Pixels[1], clBlue);
}

TEST(BmpFormatTest, TruncatedFileIsRejectedAtEveryLength) {
    TBitmap bmp(3, 3);
    bmp.SetPixel(1, 1, clRed);
    const std::vector<uint8_t> good = bmp.SaveToStream();
    TBitmap target(1, 1);
    target.SetPixel(0, 0, clGreen);
    for (size_t n = 1; n < good.size(); ++n) {
        const std::vector<uint8_t> cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n));
        EXPECT_THROW(target.LoadFromStream(cut), EReadError) << "cut at " << n;
    }
    EXPECT_EQ(target.Width(), 1) << "a rejected file leaves the bitmap as it was";
    EXPECT_EQ(target.GetPixel(0, 0), clGreen);
}

TEST(BmpFormatTest, MalformedHeadersGiveClearErrors) {
    std::vector<uint8_t> file = MakeFile(1, 1, 24, {}, {1, 2, 3, 0});
    auto expectError = [](std::vector<uint8_t> bytes, const std::string& reason) {
        try {
            DecodeBmp(bytes.data(), bytes.size());
            ADD_FAILURE() << "accepted a file with " << reason;
        } catch (const EReadError& e) {
            EXPECT_NE(e.Message().find(reason), std::string::npos) << e.Message();
        }
    };
    auto bad = file;
    bad[0] = 'X';
    expectError(bad, "signature");
    bad = file;
    bad[28] = 16;
    expectError(bad, "bit count");
    bad = file;
    bad[30] = 1;  // run-length compressed
    expectError(bad, "compressed");
    bad = file;
    bad[18] = bad[19] = 0xFF;
    bad[20] = 0x7F;  // width 8 million
    expectError(bad, "too large");
    bad = file;
    bad[10] = 0xF0;  // pixel data beyond the end
    expectError(bad, "truncated");
    auto pal = MakeFile(1, 1, 8, {0}, {5, 0, 0, 0});
    expectError(pal, "palette index");
}

}  // namespace
}  // namespace rt
