#pragma once
// A column of a list view in report style. A width of -1 fits the column to
// its contents and -2 to its contents and caption, once, when it is set; an
// auto-size column takes its share of the width the other columns leave.

#include <string>

#include "platform/classes/TCollectionItem.h"
#include "platform/controls/ControlTypes.h"

namespace rt {

class TListView;

constexpr int ColumnTextWidth = -1;
constexpr int ColumnHeaderWidth = -2;

class TListColumn : public TCollectionItem {
    RT_CLASS(TListColumn, TCollectionItem)

public:
    explicit TListColumn(TCollection* collection = nullptr);

    static void Publish(TPublisher<TListColumn>& p);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    int Width() const { return width_; }
    void SetWidth(int width);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    int MinWidth() const { return minWidth_; }
    void SetMinWidth(int v);
    int MaxWidth() const { return maxWidth_; }
    void SetMaxWidth(int v);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int v);
    int Tag() const { return tag_; }
    void SetTag(int v) { tag_ = v; }

    std::string DisplayName() const override;
    void Assign(const TPersistent* source) override;
    // The list view of the collection, null outside one.
    TListView* ListView() const;

private:
    friend class TListView;
    // Width stored without notifying (auto-size bookkeeping).
    void SetWidthQuiet(int width) { width_ = width; }
    int Clamp(int width) const;

    std::string caption_;
    int width_ = 50;
    TAlignment alignment_ = taLeftJustify;
    bool autoSize_ = false;
    int minWidth_ = 0;
    int maxWidth_ = 0;
    int imageIndex_ = -1;
    int tag_ = 0;
};

}  // namespace rt
