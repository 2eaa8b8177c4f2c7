#include "platform/comctrls/TListColumn.h"

#include <algorithm>

#include "platform/comctrls/TListView.h"

namespace rt {

TListColumn::TListColumn(TCollection* collection) : TCollectionItem(collection) {}

void TListColumn::Publish(TPublisher<TListColumn>& p) {
    p.Property("Alignment", &TListColumn::Alignment, &TListColumn::SetAlignment).Default(taLeftJustify);
    p.Property("AutoSize", &TListColumn::AutoSize, &TListColumn::SetAutoSize).Default(false);
    p.Property("Caption", &TListColumn::Caption, &TListColumn::SetCaption).Default(std::string());
    p.Property("ImageIndex", &TListColumn::ImageIndex, &TListColumn::SetImageIndex).Default(-1);
    p.Property("MaxWidth", &TListColumn::MaxWidth, &TListColumn::SetMaxWidth).Default(0);
    p.Property("MinWidth", &TListColumn::MinWidth, &TListColumn::SetMinWidth).Default(0);
    p.Property("Tag", &TListColumn::Tag, &TListColumn::SetTag).Default(0);
    p.Property("Width", &TListColumn::Width, &TListColumn::SetWidth).Default(50);
}

TListView* TListColumn::ListView() const {
    return Collection() == nullptr ? nullptr : dynamic_cast<TListView*>(Collection()->GetOwner());
}

void TListColumn::SetCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    Changed(false);
}

int TListColumn::Clamp(int width) const {
    if (minWidth_ > 0) width = std::max(width, minWidth_);
    if (maxWidth_ > 0) width = std::min(width, maxWidth_);
    return std::max(width, 0);
}

void TListColumn::SetWidth(int width) {
    if (width == ColumnTextWidth || width == ColumnHeaderWidth) {
        TListView* view = ListView();
        width = view != nullptr ? view->FitColumnWidth(Index(), width == ColumnHeaderWidth) : 50;
    }
    width = Clamp(width);
    if (width == width_) return;
    width_ = width;
    Changed(false);
}

void TListColumn::SetAlignment(TAlignment alignment) {
    alignment_ = alignment;
    Changed(false);
}

void TListColumn::SetAutoSize(bool v) {
    autoSize_ = v;
    Changed(true);
}

void TListColumn::SetMinWidth(int v) {
    minWidth_ = std::max(0, v);
    width_ = Clamp(width_);
    Changed(false);
}

void TListColumn::SetMaxWidth(int v) {
    maxWidth_ = std::max(0, v);
    width_ = Clamp(width_);
    Changed(false);
}

void TListColumn::SetImageIndex(int v) {
    imageIndex_ = v;
    Changed(false);
}

std::string TListColumn::DisplayName() const { return caption_.empty() ? TCollectionItem::DisplayName() : caption_; }

void TListColumn::Assign(const TPersistent* source) {
    if (const auto* column = dynamic_cast<const TListColumn*>(source)) {
        caption_ = column->caption_;
        width_ = column->width_;
        alignment_ = column->alignment_;
        autoSize_ = column->autoSize_;
        minWidth_ = column->minWidth_;
        maxWidth_ = column->maxWidth_;
        imageIndex_ = column->imageIndex_;
        tag_ = column->tag_;
        Changed(false);
        return;
    }
    TCollectionItem::Assign(source);
}

}  // namespace rt
