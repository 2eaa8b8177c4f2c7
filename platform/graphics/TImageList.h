#pragma once
// A list of equally sized pictures, each with its one-bit mask (0 = drawn,
// 1 = transparent), filled from picture strips and drawn by index; streamed
// in form resources with its pictures as binary data.

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/classes/Events.h"
#include "platform/classes/TComponent.h"
#include "platform/graphics/Colors.h"

namespace rt {

class TBitmap;
class TCanvas;

// Drawing a disabled picture embosses it instead of drawing its colours.
enum class TImageState { Enabled, Disabled };

class TImageList : public TComponent {
    RT_CLASS(TImageList, TComponent)

public:
    explicit TImageList(TComponent* owner);
    ~TImageList() override;
    static void Publish(TPublisher<TImageList>& p);

    void Assign(const TPersistent* source) override;
    void DefineProperties(TFiler& filer) override;

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Changing the picture size empties the list. Raises EInvalidOperation for sizes below 1.
    void SetWidth(int width);
    void SetHeight(int height);
    int Count() const { return static_cast<int>(images_.size()); }

    // Cuts `bitmap` into Width-wide pictures, left to right (a strip narrower
    // than Width gives none), with the matching parts of `mask` (none: all
    // drawn). Returns the index of the first picture added, -1 when none was.
    int Add(const TBitmap& bitmap, const TBitmap* mask);
    // As Add, the mask taken from `transparentColor` (clDefault: the strip's bottom-left pixel).
    int AddMasked(const TBitmap& bitmap, TColor transparentColor);
    // Copies picture `index` into `bitmap` (24-bit, Width x Height). Raises
    // EInvalidOperation "Invalid image list index <n>" for a bad index.
    void GetBitmap(int index, TBitmap& bitmap) const;
    void GetMask(int index, TBitmap& mask) const;
    void Draw(TCanvas& canvas, int x, int y, int index, TImageState state = TImageState::Enabled) const;
    void Delete(int index);
    void Clear();

    TNotifyEvent OnChange;

private:
    struct TImage {
        std::unique_ptr<TBitmap> Picture;
        std::unique_ptr<TBitmap> Mask;
    };

    const TImage& ImageAt(int index) const;
    void AddPart(const TBitmap& picture, const TBitmap& mask, int left);
    void Changed();
    void ReadImages(const std::vector<uint8_t>& bytes);
    void WriteImages(std::vector<uint8_t>& bytes) const;

    int width_ = 16;
    int height_ = 16;
    std::vector<TImage> images_;
};

}  // namespace rt
