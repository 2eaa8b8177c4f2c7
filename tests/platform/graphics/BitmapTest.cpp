#include <gtest/gtest.h>

#include "platform/classes/TFiler.h"
#include "platform/core/Exceptions.h"
#include "platform/graphics/TBitmap.h"

namespace rt {
namespace {

TEST(BitmapTest, PixelsInsideAndOutside) {
    TBitmap bmp(4, 3);
    EXPECT_EQ(bmp.GetPixel(3, 2), clWhite) << "a new bitmap is white";
    bmp.SetPixel(1, 2, clRed);
    EXPECT_EQ(bmp.GetPixel(1, 2), clRed);
    bmp.SetPixel(0, 0, clBtnFace);
    EXPECT_EQ(bmp.GetPixel(0, 0), RGB(192, 192, 192)) << "system colours are stored resolved";
    EXPECT_EQ(bmp.GetPixel(4, 0), clNone) << "reading right of the bitmap";
    EXPECT_EQ(bmp.GetPixel(-1, 0), clNone);
    EXPECT_EQ(bmp.RawPixel(0, 3), -1);
    bmp.SetPixel(4, 0, clBlue);
    bmp.SetPixel(0, -1, clBlue);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) EXPECT_NE(bmp.GetPixel(x, y), clBlue) << "writes outside are ignored";
    }
}

TEST(BitmapTest, ResizeKeepsPixelsAndRefusesBadSizes) {
    TBitmap bmp(2, 2);
    bmp.SetPixel(1, 1, clGreen);
    bmp.SetSize(3, 4);
    EXPECT_EQ(bmp.GetPixel(1, 1), clGreen);
    EXPECT_EQ(bmp.GetPixel(2, 3), clWhite);
    EXPECT_THROW(bmp.SetSize(-1, 5), EInvalidOperation);
    EXPECT_THROW(bmp.SetSize(40000, 40000), EInvalidOperation);
    EXPECT_EQ(bmp.Width(), 3) << "a refused size changes nothing";
    EXPECT_EQ(bmp.Height(), 4);
    bmp.SetSize(0, 4);
    EXPECT_TRUE(bmp.Empty());
}

TEST(BitmapTest, TransparentColourDefaultsToTheBottomLeftPixel) {
    TBitmap bmp(3, 2);
    bmp.SetPixel(0, 1, clFuchsia);
    bmp.SetPixel(0, 0, clRed);
    EXPECT_EQ(bmp.TransparentMode(), tmAuto);
    EXPECT_EQ(bmp.TransparentColor(), clFuchsia) << "bottom-left, not top-left";
    bmp.SetTransparentColor(clRed);
    EXPECT_EQ(bmp.TransparentMode(), tmFixed);
    EXPECT_EQ(bmp.TransparentColor(), clRed);
    bmp.SetTransparentColor(clDefault);
    EXPECT_EQ(bmp.TransparentMode(), tmAuto);
    EXPECT_EQ(bmp.TransparentColor(), clFuchsia);
    EXPECT_EQ(TBitmap().TransparentColor(), clDefault) << "an empty bitmap has no pixel to take";
}

TEST(BitmapTest, MaskMarksTheTransparentColourWhite) {
    TBitmap bmp(3, 1);
    bmp.Fill(clAqua);
    bmp.SetPixel(1, 0, clBlack);
    auto mask = bmp.Mask(clAqua);
    EXPECT_EQ(mask->PixelFormat(), pf1bit);
    EXPECT_EQ(mask->Width(), 3);
    EXPECT_EQ(mask->RawPixel(0, 0), 1);
    EXPECT_EQ(mask->RawPixel(1, 0), 0);
    EXPECT_EQ(mask->GetPixel(1, 0), clBlack);
    EXPECT_EQ(mask->GetPixel(2, 0), clWhite);
}

TEST(BitmapTest, OneBitFormatMapsByBrightness) {
    TBitmap bmp(3, 1);
    bmp.SetPixel(0, 0, RGB(128, 128, 128));  // 384: white
    bmp.SetPixel(1, 0, RGB(127, 128, 128));  // 383: black
    bmp.SetPixel(2, 0, clYellow);
    bmp.SetMonochrome(true);
    EXPECT_EQ(bmp.RawPixel(0, 0), 1);
    EXPECT_EQ(bmp.RawPixel(1, 0), 0);
    EXPECT_EQ(bmp.RawPixel(2, 0), 1);
    bmp.SetPixel(2, 0, clNavy);
    EXPECT_EQ(bmp.RawPixel(2, 0), 0) << "a dark colour written into one bit is black";
    bmp.SetPixelFormat(pf24bit);
    EXPECT_EQ(bmp.GetPixel(0, 0), clWhite);
    EXPECT_EQ(bmp.GetPixel(1, 0), clBlack);
}

TEST(BitmapTest, AssignCopiesPicturesAndNullEmpties) {
    TBitmap source(2, 2);
    source.SetPixel(1, 0, clRed);
    source.SetTransparent(true);
    source.SetTransparentColor(clRed);
    TBitmap copy;
    copy.Assign(&source);
    source.SetPixel(1, 0, clBlue);
    EXPECT_EQ(copy.GetPixel(1, 0), clRed) << "the copy has its own pixels";
    EXPECT_TRUE(copy.Transparent());
    EXPECT_EQ(copy.TransparentColor(), clRed);
    copy.Assign(nullptr);
    EXPECT_TRUE(copy.Empty());
}

// Captures the binary entry a bitmap defines, as a form writer and reader would.
class TBinaryFiler : public TFiler {
public:
    void DefineProperty(const std::string&, ReadProc, WriteProc, bool) override {}
    void DefineBinaryProperty(const std::string& name, BinaryReadProc read, BinaryWriteProc write,
                              bool hasData) override {
        Name = name;
        HasData = hasData;
        Read = std::move(read);
        Write = std::move(write);
    }
    std::string Name;
    bool HasData = false;
    BinaryReadProc Read;
    BinaryWriteProc Write;
};

TEST(BitmapTest, StreamsAsLengthPrefixedFileBytes) {
    TBitmap bmp(3, 2);
    bmp.SetPixel(2, 1, clTeal);
    TBinaryFiler filer;
    bmp.DefineProperties(filer);
    ASSERT_EQ(filer.Name, "Data");
    EXPECT_TRUE(filer.HasData);
    std::vector<uint8_t> data;
    filer.Write(data);
    ASSERT_GT(data.size(), 4u);
    EXPECT_EQ(data[0] | data[1] << 8 | data[2] << 16 | data[3] << 24, static_cast<int>(data.size() - 4));
    EXPECT_EQ(data[4], 'B');

    TBitmap loaded;
    TBinaryFiler reader;
    loaded.DefineProperties(reader);
    EXPECT_FALSE(reader.HasData) << "an empty bitmap writes no data";
    reader.Read(data);
    EXPECT_EQ(loaded.Width(), 3);
    EXPECT_EQ(loaded.GetPixel(2, 1), clTeal);
    reader.Read(bmp.SaveToStream());
    EXPECT_EQ(loaded.GetPixel(2, 1), clTeal) << "bare file bytes are read as well";
}

}  // namespace
}  // namespace rt
