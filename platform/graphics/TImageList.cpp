#include "platform/graphics/TImageList.h"

#include <algorithm>
#include <string>

#include "platform/classes/TFiler.h"
#include "platform/core/Exceptions.h"
#include "platform/graphics/BmpFormat.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

namespace rt {

namespace {

// Binary layout of the stored pictures: "HIL1", width, height, count, then per
// picture the length and bytes of its bitmap file and of its mask file.
constexpr uint8_t kMagic[4] = {'H', 'I', 'L', '1'};

void PutU32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void PutBlock(std::vector<uint8_t>& out, const std::vector<uint8_t>& block) {
    PutU32(out, static_cast<uint32_t>(block.size()));
    out.insert(out.end(), block.begin(), block.end());
}

class TBlockReader {
public:
    explicit TBlockReader(const std::vector<uint8_t>& bytes) : bytes_(bytes) {}

    uint32_t U32() {
        Need(4);
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v |= uint32_t{bytes_[pos_ + static_cast<size_t>(i)]} << (8 * i);
        pos_ += 4;
        return v;
    }
    std::vector<uint8_t> Block() {
        const uint32_t n = U32();
        Need(n);
        std::vector<uint8_t> block(bytes_.begin() + static_cast<std::ptrdiff_t>(pos_),
                                   bytes_.begin() + static_cast<std::ptrdiff_t>(pos_ + n));
        pos_ += n;
        return block;
    }
    bool AtEnd() const { return pos_ == bytes_.size(); }

private:
    void Need(size_t n) const {
        if (n > bytes_.size() - pos_) throw EReadError("Image list data is truncated");
    }
    const std::vector<uint8_t>& bytes_;
    size_t pos_ = 0;
};

std::unique_ptr<TBitmap> NewMask(int width, int height, TColor fill) {
    auto mask = std::make_unique<TBitmap>();
    mask->SetPixelFormat(pf1bit);
    mask->SetSize(width, height);
    mask->Fill(fill);
    return mask;
}

}  // namespace

TImageList::TImageList(TComponent* owner) : TComponent(owner) {}

TImageList::~TImageList() = default;

void TImageList::Publish(TPublisher<TImageList>& p) {
    p.Property("Height", &TImageList::Height, &TImageList::SetHeight).Default(16);
    p.Property("Width", &TImageList::Width, &TImageList::SetWidth).Default(16);
    p.Property("Count", &TImageList::Count).Stored(false);
}

void TImageList::Assign(const TPersistent* source) {
    const auto* other = dynamic_cast<const TImageList*>(source);
    if (other == nullptr) {
        TComponent::Assign(source);
        return;
    }
    if (other == this) return;
    std::vector<TImage> copies;
    for (const TImage& image : other->images_) {
        TImage copy{std::make_unique<TBitmap>(), std::make_unique<TBitmap>()};
        copy.Picture->Assign(image.Picture.get());
        copy.Mask->Assign(image.Mask.get());
        copies.push_back(std::move(copy));
    }
    width_ = other->width_;
    height_ = other->height_;
    images_ = std::move(copies);
    Changed();
}

void TImageList::SetWidth(int width) {
    if (width < 1) throw EInvalidOperation("Invalid image size " + std::to_string(width));
    if (width == width_) return;
    width_ = width;
    Clear();
}

void TImageList::SetHeight(int height) {
    if (height < 1) throw EInvalidOperation("Invalid image size " + std::to_string(height));
    if (height == height_) return;
    height_ = height;
    Clear();
}

void TImageList::AddPart(const TBitmap& picture, const TBitmap& mask, int left) {
    // Beyond the strip's height the picture stays white and transparent.
    TImage image{std::make_unique<TBitmap>(width_, height_), NewMask(width_, height_, clWhite)};
    for (int y = 0; y < std::min(height_, picture.Height()); ++y) {
        for (int x = 0; x < width_; ++x) {
            image.Picture->SetPixel(x, y, picture.GetPixel(left + x, y));
            image.Mask->SetPixel(x, y, mask.Empty() ? clBlack : mask.GetPixel(left + x, y));
        }
    }
    images_.push_back(std::move(image));
}

int TImageList::Add(const TBitmap& bitmap, const TBitmap* mask) {
    const int parts = bitmap.Width() / width_;
    if (parts == 0 || bitmap.Height() == 0) return -1;
    const int first = Count();
    const TBitmap none;
    for (int i = 0; i < parts; ++i) AddPart(bitmap, mask != nullptr ? *mask : none, i * width_);
    Changed();
    return first;
}

int TImageList::AddMasked(const TBitmap& bitmap, TColor transparentColor) {
    const TColor key = transparentColor == clDefault ? bitmap.TransparentColor() : transparentColor;
    const std::unique_ptr<TBitmap> mask = bitmap.Mask(key);
    return Add(bitmap, mask.get());
}

const TImageList::TImage& TImageList::ImageAt(int index) const {
    if (index < 0 || index >= Count()) throw EInvalidOperation("Invalid image list index " + std::to_string(index));
    return images_[static_cast<size_t>(index)];
}

void TImageList::GetBitmap(int index, TBitmap& bitmap) const { bitmap.Assign(ImageAt(index).Picture.get()); }

void TImageList::GetMask(int index, TBitmap& mask) const { mask.Assign(ImageAt(index).Mask.get()); }

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, TImageState state) const {
    const TImage& image = ImageAt(index);
    if (state == TImageState::Disabled) {
        // The figure (mask 0) in the highlight colour one pixel down-right, then in the shadow colour.
        canvas.DrawMask(x + 1, y + 1, *image.Mask, clBtnHighlight);
        canvas.DrawMask(x, y, *image.Mask, clBtnShadow);
        return;
    }
    canvas.DrawMasked(x, y, *image.Picture, *image.Mask);
}

void TImageList::Delete(int index) {
    ImageAt(index);
    images_.erase(images_.begin() + index);
    Changed();
}

void TImageList::Clear() {
    if (images_.empty()) return;
    images_.clear();
    Changed();
}

void TImageList::Changed() { OnChange(this); }

void TImageList::DefineProperties(TFiler& filer) {
    TComponent::DefineProperties(filer);
    filer.DefineBinaryProperty(
        "Bitmap", [this](const std::vector<uint8_t>& bytes) { ReadImages(bytes); },
        [this](std::vector<uint8_t>& bytes) { WriteImages(bytes); }, Count() > 0);
}

void TImageList::WriteImages(std::vector<uint8_t>& bytes) const {
    bytes.assign(std::begin(kMagic), std::end(kMagic));
    PutU32(bytes, static_cast<uint32_t>(width_));
    PutU32(bytes, static_cast<uint32_t>(height_));
    PutU32(bytes, static_cast<uint32_t>(images_.size()));
    for (const TImage& image : images_) {
        PutBlock(bytes, image.Picture->SaveToStream());
        PutBlock(bytes, image.Mask->SaveToStream());
    }
}

// Everything is read and checked before the list changes.
void TImageList::ReadImages(const std::vector<uint8_t>& bytes) {
    if (bytes.size() < 4 || !std::equal(std::begin(kMagic), std::end(kMagic), bytes.begin())) {
        throw EReadError("Image list data is not valid");
    }
    TBlockReader in(bytes);
    in.U32();
    const uint32_t width = in.U32();
    const uint32_t height = in.U32();
    const uint32_t count = in.U32();
    if (width < 1 || height < 1 || width > kMaxBitmapSide || height > kMaxBitmapSide) {
        throw EReadError("Image list data has a bad image size");
    }
    std::vector<TImage> images;
    for (uint32_t i = 0; i < count; ++i) {
        TImage image{std::make_unique<TBitmap>(), std::make_unique<TBitmap>()};
        image.Picture->LoadFromStream(in.Block());
        image.Mask->LoadFromStream(in.Block());
        const bool fits = image.Picture->Width() == static_cast<int>(width) &&
                          image.Picture->Height() == static_cast<int>(height) &&
                          image.Mask->Width() == static_cast<int>(width) && image.Mask->Height() == static_cast<int>(height);
        if (!fits) throw EReadError("Image list picture " + std::to_string(i) + " has the wrong size");
        images.push_back(std::move(image));
    }
    if (!in.AtEnd()) throw EReadError("Image list data has extra bytes");
    width_ = static_cast<int>(width);
    height_ = static_cast<int>(height);
    images_ = std::move(images);
    Changed();
}

}  // namespace rt
