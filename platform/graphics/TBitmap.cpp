#include "platform/graphics/TBitmap.h"

#include <algorithm>
#include <utility>

#include "platform/classes/TFiler.h"
#include "platform/core/Exceptions.h"
#include "platform/graphics/BmpFormat.h"
#include "platform/graphics/TCanvas.h"
#include "platform/os/Files.h"

namespace rt {

namespace {

constexpr int32_t kWhiteBit = 1;
constexpr int32_t kBlackBit = 0;

int32_t ToBit(TColor rgb) {
    return GetRValue(rgb) + GetGValue(rgb) + GetBValue(rgb) >= 384 ? kWhiteBit : kBlackBit;
}

void CheckSize(int width, int height) {
    if (width < 0 || height < 0 || width > kMaxBitmapSide || height > kMaxBitmapSide ||
        int64_t{width} * height > kMaxBitmapPixels) {
        throw EInvalidOperation("Invalid bitmap size " + std::to_string(width) + " x " + std::to_string(height));
    }
}

uint32_t ReadLength(const std::vector<uint8_t>& bytes) {
    return uint32_t{bytes[0]} | uint32_t{bytes[1]} << 8 | uint32_t{bytes[2]} << 16 | uint32_t{bytes[3]} << 24;
}

}  // namespace

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height) { SetSize(width, height); }

TBitmap::~TBitmap() = default;

void TBitmap::Publish(TPublisher<TBitmap>& p) {
    // The picture itself travels as "Data"; these are for reading and scripting by name.
    p.Property("Width", &TBitmap::Width, &TBitmap::SetWidth).Stored(false);
    p.Property("Height", &TBitmap::Height, &TBitmap::SetHeight).Stored(false);
    p.Property("Monochrome", &TBitmap::Monochrome, &TBitmap::SetMonochrome).Stored(false);
    p.Property("PixelFormat", &TBitmap::PixelFormat, &TBitmap::SetPixelFormat).Stored(false);
    p.Property("Transparent", &TBitmap::Transparent, &TBitmap::SetTransparent).Default(false);
    p.Property("TransparentMode", &TBitmap::TransparentMode, &TBitmap::SetTransparentMode).Default(tmAuto);
    p.Property("TransparentColor", &TBitmap::TransparentColor, &TBitmap::SetTransparentColor).TypeName("TColor")
        .Stored(&TBitmap::HasFixedTransparentColor);
}

void TBitmap::Assign(const TPersistent* source) {
    if (source == nullptr) {
        SetSize(0, 0);
        return;
    }
    const auto* other = dynamic_cast<const TBitmap*>(source);
    if (other == nullptr) {
        TPersistent::Assign(source);
        return;
    }
    if (other == this) return;
    width_ = other->width_;
    height_ = other->height_;
    monochrome_ = other->monochrome_;
    pixels_ = other->pixels_;
    transparent_ = other->transparent_;
    transparentMode_ = other->transparentMode_;
    transparentColor_ = other->transparentColor_;
    Changed();
}

void TBitmap::DefineProperties(TFiler& filer) {
    filer.DefineBinaryProperty(
        "Data", [this](const std::vector<uint8_t>& bytes) { ReadData(bytes); },
        [this](std::vector<uint8_t>& bytes) { WriteData(bytes); }, !Empty());
}

// Resources hold the file bytes preceded by their length; bare file bytes are accepted too.
void TBitmap::ReadData(const std::vector<uint8_t>& bytes) {
    if (bytes.size() >= 4 && ReadLength(bytes) == bytes.size() - 4) {
        LoadFromStream(std::vector<uint8_t>(bytes.begin() + 4, bytes.end()));
    } else {
        LoadFromStream(bytes);
    }
}

void TBitmap::WriteData(std::vector<uint8_t>& bytes) const {
    const std::vector<uint8_t> file = SaveToStream();
    const auto n = static_cast<uint32_t>(file.size());
    bytes = {static_cast<uint8_t>(n), static_cast<uint8_t>(n >> 8), static_cast<uint8_t>(n >> 16),
             static_cast<uint8_t>(n >> 24)};
    bytes.insert(bytes.end(), file.begin(), file.end());
}

void TBitmap::SetSize(int width, int height) {
    CheckSize(width, height);
    if (width == width_ && height == height_) return;
    std::vector<int32_t> resized(static_cast<size_t>(width) * static_cast<size_t>(height), Store(clWhite));
    for (int y = 0; y < std::min(height, height_); ++y) {
        for (int x = 0; x < std::min(width, width_); ++x) {
            resized[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] = pixels_[IndexOf(x, y)];
        }
    }
    pixels_ = std::move(resized);
    width_ = width;
    height_ = height;
    Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
    const bool mono = format == pf1bit;
    if (mono == monochrome_) return;
    for (int32_t& p : pixels_) p = mono ? ToBit(p) : (p == kWhiteBit ? clWhite : clBlack);
    monochrome_ = mono;
    Changed();
}

int32_t TBitmap::Store(TColor color) const {
    const TColor rgb = ColorToRGB(color);
    return monochrome_ ? ToBit(rgb) : rgb;
}

TColor TBitmap::GetPixel(int x, int y) const {
    if (!Contains(x, y)) return clNone;
    const int32_t p = pixels_[IndexOf(x, y)];
    if (!monochrome_) return p;
    return p == kWhiteBit ? clWhite : clBlack;
}

void TBitmap::SetPixel(int x, int y, TColor color) {
    if (Contains(x, y)) pixels_[IndexOf(x, y)] = Store(color);
}

int32_t TBitmap::RawPixel(int x, int y) const { return Contains(x, y) ? pixels_[IndexOf(x, y)] : -1; }

void TBitmap::Fill(TColor color) {
    const int32_t value = Store(color);
    for (int32_t& p : pixels_) p = value;
}

void TBitmap::SetTransparent(bool transparent) {
    if (transparent_ == transparent) return;
    transparent_ = transparent;
    Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode mode) {
    if (transparentMode_ == mode) return;
    transparentMode_ = mode;
    Changed();
}

TColor TBitmap::TransparentColor() const {
    if (transparentMode_ == tmFixed) return transparentColor_;
    if (Empty()) return clDefault;
    return GetPixel(0, height_ - 1);
}

void TBitmap::SetTransparentColor(TColor color) {
    transparentColor_ = color;
    transparentMode_ = color == clDefault ? tmAuto : tmFixed;
    Changed();
}

std::unique_ptr<TBitmap> TBitmap::Mask(TColor transparentColor) const {
    auto mask = std::make_unique<TBitmap>();
    mask->SetPixelFormat(pf1bit);
    mask->SetSize(width_, height_);
    const TColor key = ColorToRGB(transparentColor);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            mask->pixels_[IndexOf(x, y)] = GetPixel(x, y) == key ? kWhiteBit : kBlackBit;
        }
    }
    return mask;
}

TCanvas* TBitmap::Canvas() {
    if (!canvas_) canvas_ = std::make_unique<TCanvas>(this);
    return canvas_.get();
}

void TBitmap::TakeImage(TBmpImage&& image) {
    width_ = image.Width;
    height_ = image.Height;
    monochrome_ = image.Monochrome;
    pixels_ = std::move(image.Pixels);
    Changed();
}

void TBitmap::LoadFromStream(const std::vector<uint8_t>& bytes) {
    if (bytes.empty()) {
        TakeImage(TBmpImage{});
        return;
    }
    // Decoded completely before anything here changes, so a bad file leaves the picture as it was.
    TakeImage(DecodeBmp(bytes.data(), bytes.size()));
}

void TBitmap::LoadFromFile(const std::string& fileName) {
    std::string bytes;
    if (!ReadFileToString(fileName, bytes)) throw EInOutError("Cannot open file \"" + fileName + "\"", 2);
    try {
        LoadFromStream(std::vector<uint8_t>(bytes.begin(), bytes.end()));
    } catch (EReadError& e) {
        e.SetMessage(e.Message() + " (" + fileName + ")");
        throw;
    }
}

std::vector<uint8_t> TBitmap::SaveToStream() const {
    if (Empty()) return {};
    TBmpImage image;
    image.Width = width_;
    image.Height = height_;
    image.Monochrome = monochrome_;
    image.Pixels = pixels_;
    return EncodeBmp(image);
}

void TBitmap::SaveToFile(const std::string& fileName) const {
    const std::vector<uint8_t> bytes = SaveToStream();
    WriteFileAtomically(fileName, std::string(bytes.begin(), bytes.end()));
}

void TBitmap::Changed() { OnChange(this); }

}  // namespace rt
