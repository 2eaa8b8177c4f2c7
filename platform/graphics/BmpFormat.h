#pragma once
// Device-independent bitmap files: reading uncompressed 1-, 4-, 8-, 24- and
// 32-bit pictures and writing 24-bit (or 1-bit for monochrome) ones.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/graphics/Colors.h"

namespace rt {

// Pixels row by row from the top; RGB colours, or 0/1 when Monochrome.
struct TBmpImage {
    int Width = 0;
    int Height = 0;
    bool Monochrome = false;
    std::vector<TColor> Pixels;
};

// The largest picture accepted, so a corrupt header cannot ask for gigabytes.
constexpr int kMaxBitmapSide = 32768;
constexpr int64_t kMaxBitmapPixels = int64_t{1} << 26;

// Raises EReadError "Bitmap image is not valid: <reason>" for anything that is
// not a complete, supported picture; never reads past `size`.
TBmpImage DecodeBmp(const uint8_t* data, size_t size);
std::vector<uint8_t> EncodeBmp(const TBmpImage& image);

}  // namespace rt
