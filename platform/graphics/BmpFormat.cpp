#include "platform/graphics/BmpFormat.h"

#include <string>

#include "platform/core/Exceptions.h"

namespace rt {

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoHeaderSize = 40;
constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiBitFields = 3;

[[noreturn]] void Invalid(const std::string& reason) { throw EReadError("Bitmap image is not valid: " + reason); }

// Bounds-checked little-endian reads over the file bytes.
class TByteReader {
public:
    TByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    void Require(size_t offset, size_t count, const char* what) const {
        if (offset > size_ || count > size_ - offset) Invalid(std::string("truncated ") + what);
    }
    uint32_t U32(size_t offset) const {
        Require(offset, 4, "header");
        return uint32_t{data_[offset]} | uint32_t{data_[offset + 1]} << 8 | uint32_t{data_[offset + 2]} << 16 |
               uint32_t{data_[offset + 3]} << 24;
    }
    int32_t I32(size_t offset) const { return static_cast<int32_t>(U32(offset)); }
    uint16_t U16(size_t offset) const {
        Require(offset, 2, "header");
        return static_cast<uint16_t>(data_[offset] | data_[offset + 1] << 8);
    }
    uint8_t Byte(size_t offset) const { return data_[offset]; }

private:
    const uint8_t* data_;
    size_t size_;
};

struct THeader {
    int Width = 0;
    int Height = 0;
    bool TopDown = false;
    int BitCount = 0;
    size_t PixelOffset = 0;
    size_t PaletteOffset = 0;
    size_t PaletteCount = 0;
};

size_t RowStride(int width, int bitCount) {
    return ((static_cast<size_t>(width) * static_cast<size_t>(bitCount) + 31) / 32) * 4;
}

THeader ReadHeader(const TByteReader& in) {
    in.Require(0, kFileHeaderSize, "file header");
    if (in.Byte(0) != 'B' || in.Byte(1) != 'M') Invalid("missing BM signature");
    THeader h;
    h.PixelOffset = in.U32(10);
    const uint32_t infoSize = in.U32(14);
    if (infoSize < kInfoHeaderSize) Invalid("unsupported header size " + std::to_string(infoSize));
    in.Require(kFileHeaderSize, infoSize, "info header");
    const int32_t width = in.I32(18);
    const int32_t height = in.I32(22);
    if (in.U16(26) != 1) Invalid("plane count is not 1");
    h.BitCount = in.U16(28);
    const uint32_t compression = in.U32(30);
    const bool bitFields32 = compression == kBiBitFields && h.BitCount == 32;
    if (compression != kBiRgb && !bitFields32) Invalid("compressed pictures are not supported");
    if (h.BitCount != 1 && h.BitCount != 4 && h.BitCount != 8 && h.BitCount != 24 && h.BitCount != 32) {
        Invalid("unsupported bit count " + std::to_string(h.BitCount));
    }
    if (width <= 0 || height == 0 || height == INT32_MIN) Invalid("bad dimensions");
    h.TopDown = height < 0;
    h.Width = width;
    h.Height = height < 0 ? -height : height;
    if (h.Width > kMaxBitmapSide || h.Height > kMaxBitmapSide ||
        int64_t{h.Width} * h.Height > kMaxBitmapPixels) {
        Invalid("picture too large");
    }
    // Colour masks of a bit-field picture follow a 40-byte header; the layout is taken as 8-8-8.
    h.PaletteOffset = kFileHeaderSize + infoSize + (bitFields32 && infoSize == kInfoHeaderSize ? 12 : 0);
    if (h.BitCount <= 8) {
        const uint32_t used = in.U32(46);
        const size_t maxEntries = size_t{1} << h.BitCount;
        h.PaletteCount = used == 0 || used > maxEntries ? maxEntries : used;
        in.Require(h.PaletteOffset, h.PaletteCount * 4, "palette");
    }
    in.Require(h.PixelOffset, RowStride(h.Width, h.BitCount) * static_cast<size_t>(h.Height), "pixel data");
    return h;
}

std::vector<TColor> ReadPalette(const TByteReader& in, const THeader& h) {
    std::vector<TColor> palette;
    for (size_t i = 0; i < h.PaletteCount; ++i) {
        const size_t at = h.PaletteOffset + i * 4;
        palette.push_back(RGB(in.Byte(at + 2), in.Byte(at + 1), in.Byte(at)));
    }
    return palette;
}

TColor ReadPixel(const TByteReader& in, const THeader& h, const std::vector<TColor>& palette, size_t row, int x) {
    const size_t ux = static_cast<size_t>(x);
    if (h.BitCount >= 24) {
        const size_t at = row + ux * static_cast<size_t>(h.BitCount / 8);
        return RGB(in.Byte(at + 2), in.Byte(at + 1), in.Byte(at));
    }
    const size_t bitPos = ux * static_cast<size_t>(h.BitCount);
    const int shift = 8 - h.BitCount - static_cast<int>(bitPos % 8);
    const size_t index = static_cast<size_t>((in.Byte(row + bitPos / 8) >> shift) & ((1 << h.BitCount) - 1));
    if (index >= palette.size()) Invalid("palette index out of range");
    return palette[index];
}

// A two-colour black-and-white picture stays monochrome; any other palette becomes colour.
bool IsBlackWhite(const std::vector<TColor>& palette) {
    for (TColor c : palette) {
        if (c != clBlack && c != clWhite) return false;
    }
    return true;
}

void PutU16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void PutU32(std::vector<uint8_t>& out, uint32_t v) {
    PutU16(out, v & 0xFFFF);
    PutU16(out, v >> 16);
}

void PutHeaders(std::vector<uint8_t>& out, const TBmpImage& image, int bitCount, uint32_t paletteCount) {
    const size_t stride = RowStride(image.Width, bitCount);
    const uint32_t pixelOffset = static_cast<uint32_t>(kFileHeaderSize + kInfoHeaderSize + paletteCount * 4);
    const uint32_t imageSize = static_cast<uint32_t>(stride * static_cast<size_t>(image.Height));
    out.push_back('B');
    out.push_back('M');
    PutU32(out, pixelOffset + imageSize);
    PutU32(out, 0);
    PutU32(out, pixelOffset);
    PutU32(out, kInfoHeaderSize);
    PutU32(out, static_cast<uint32_t>(image.Width));
    PutU32(out, static_cast<uint32_t>(image.Height));
    PutU16(out, 1);
    PutU16(out, static_cast<uint32_t>(bitCount));
    PutU32(out, kBiRgb);
    PutU32(out, imageSize);
    PutU32(out, 3780);  // 96 pixels per inch
    PutU32(out, 3780);
    PutU32(out, paletteCount);
    PutU32(out, 0);
}

}  // namespace

TBmpImage DecodeBmp(const uint8_t* data, size_t size) {
    if (data == nullptr) Invalid("no data");
    const TByteReader in(data, size);
    const THeader h = ReadHeader(in);
    const std::vector<TColor> palette = ReadPalette(in, h);
    TBmpImage image;
    image.Width = h.Width;
    image.Height = h.Height;
    image.Monochrome = h.BitCount == 1 && IsBlackWhite(palette);
    image.Pixels.resize(static_cast<size_t>(h.Width) * static_cast<size_t>(h.Height));
    const size_t stride = RowStride(h.Width, h.BitCount);
    for (int y = 0; y < h.Height; ++y) {
        const int fileRow = h.TopDown ? y : h.Height - 1 - y;
        const size_t row = h.PixelOffset + stride * static_cast<size_t>(fileRow);
        for (int x = 0; x < h.Width; ++x) {
            const TColor c = ReadPixel(in, h, palette, row, x);
            image.Pixels[static_cast<size_t>(y) * static_cast<size_t>(h.Width) + static_cast<size_t>(x)] =
                image.Monochrome ? (c == clWhite ? 1 : 0) : c;
        }
    }
    return image;
}

std::vector<uint8_t> EncodeBmp(const TBmpImage& image) {
    const int bitCount = image.Monochrome ? 1 : 24;
    const uint32_t paletteCount = image.Monochrome ? 2 : 0;
    std::vector<uint8_t> out;
    PutHeaders(out, image, bitCount, paletteCount);
    if (image.Monochrome) {
        PutU32(out, 0x00000000);  // index 0 black
        PutU32(out, 0x00FFFFFF);  // index 1 white
    }
    const size_t stride = RowStride(image.Width, bitCount);
    for (int y = image.Height - 1; y >= 0; --y) {
        std::vector<uint8_t> row(stride, 0);
        for (int x = 0; x < image.Width; ++x) {
            const TColor c = image.Pixels[static_cast<size_t>(y) * static_cast<size_t>(image.Width) + static_cast<size_t>(x)];
            const size_t ux = static_cast<size_t>(x);
            if (image.Monochrome) {
                if (c != 0) row[ux / 8] |= static_cast<uint8_t>(0x80 >> (ux % 8));
            } else {
                row[ux * 3] = static_cast<uint8_t>(GetBValue(c));
                row[ux * 3 + 1] = static_cast<uint8_t>(GetGValue(c));
                row[ux * 3 + 2] = static_cast<uint8_t>(GetRValue(c));
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

}  // namespace rt
