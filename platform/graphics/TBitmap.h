#pragma once
// A picture held in memory with real pixels: 24-bit colour or one bit per
// pixel (0 black, 1 white). It draws through its Canvas, loads and saves
// bitmap files, and is streamed in form resources as the bytes of such a file.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/classes/Events.h"
#include "platform/classes/TEnumInfo.h"
#include "platform/classes/TPersistent.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/Geometry.h"

namespace rt {

class TCanvas;
struct TBmpImage;

// Only pf1bit and pf24bit are kept as such; every other format is stored as 24-bit.
RT_ENUM(TPixelFormat, pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit)
// tmAuto takes the transparent colour from the bottom-left pixel; tmFixed uses TransparentColor as set.
RT_ENUM(TTransparentMode, tmAuto, tmFixed)

class TBitmap : public TPersistent {
    RT_CLASS(TBitmap, TPersistent)

public:
    TBitmap();
    TBitmap(int width, int height);
    ~TBitmap() override;
    static void Publish(TPublisher<TBitmap>& p);

    // Copies pixels, format and transparency; a null source empties this bitmap.
    void Assign(const TPersistent* source) override;
    void DefineProperties(TFiler& filer) override;

    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetWidth(int width) { SetSize(width, height_); }
    void SetHeight(int height) { SetSize(width_, height); }
    // Keeps the pixels that still fit; new pixels are white. Raises
    // EInvalidOperation for a negative or oversized request, changing nothing.
    void SetSize(int width, int height);
    bool Empty() const { return width_ == 0 || height_ == 0; }
    TRect BoundsRect() const { return Rect(0, 0, width_, height_); }

    TPixelFormat PixelFormat() const { return monochrome_ ? pf1bit : pf24bit; }
    // Converting to one bit maps each pixel by brightness (R+G+B of 384 and above is white).
    void SetPixelFormat(TPixelFormat format);
    bool Monochrome() const { return monochrome_; }
    void SetMonochrome(bool monochrome) { SetPixelFormat(monochrome ? pf1bit : pf24bit); }

    // RGB colour of a pixel (clBlack / clWhite in a one-bit bitmap); clNone outside the bitmap.
    TColor GetPixel(int x, int y) const;
    // System colours are resolved; writes outside the bitmap are ignored.
    void SetPixel(int x, int y, TColor color);
    // The stored value: 0/1 in a one-bit bitmap, the RGB colour otherwise; -1 outside.
    int32_t RawPixel(int x, int y) const;
    // Fills the whole bitmap with one colour.
    void Fill(TColor color);

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    TTransparentMode TransparentMode() const { return transparentMode_; }
    void SetTransparentMode(TTransparentMode mode);
    // In tmAuto the bottom-left pixel (clDefault for an empty bitmap).
    TColor TransparentColor() const;
    // Setting a colour switches to tmFixed; clDefault switches back to tmAuto.
    void SetTransparentColor(TColor color);

    bool HasFixedTransparentColor() const { return transparentMode_ == tmFixed; }

    // A one-bit bitmap of the same size: 1 (white) where the pixel is
    // `transparentColor`, 0 (black) elsewhere.
    std::unique_ptr<TBitmap> Mask(TColor transparentColor) const;

    // The canvas drawing into this bitmap, created on first use.
    TCanvas* Canvas();

    // Raise EReadError with the reason for a malformed file, EInOutError when it
    // cannot be read; this bitmap is unchanged then. Empty data gives an empty bitmap.
    void LoadFromStream(const std::vector<uint8_t>& bytes);
    void LoadFromFile(const std::string& fileName);
    // An empty bitmap saves as no bytes.
    std::vector<uint8_t> SaveToStream() const;
    // Written atomically: readers never see a half-written file.
    void SaveToFile(const std::string& fileName) const;

    // Raised after the picture as a whole changes (size, format, transparency,
    // loading, Assign); single pixel writes do not raise it.
    TNotifyEvent OnChange;
    void Changed();

private:
    size_t IndexOf(int x, int y) const { return static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x); }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    int32_t Store(TColor color) const;
    void TakeImage(TBmpImage&& image);
    void ReadData(const std::vector<uint8_t>& bytes);
    void WriteData(std::vector<uint8_t>& bytes) const;

    int width_ = 0;
    int height_ = 0;
    bool monochrome_ = false;
    std::vector<int32_t> pixels_;
    bool transparent_ = false;
    TTransparentMode transparentMode_ = tmAuto;
    TColor transparentColor_ = clDefault;
    std::unique_ptr<TCanvas> canvas_;
};

}  // namespace rt
