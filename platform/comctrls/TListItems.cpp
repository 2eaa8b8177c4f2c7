#include "platform/comctrls/TListItems.h"

#include <algorithm>
#include <memory>
#include <string>

#include "platform/classes/TFiler.h"
#include "platform/comctrls/TListView.h"
#include "platform/core/Exceptions.h"

namespace rt {

namespace {

void PutInt(std::vector<uint8_t>& out, int32_t v) {
    const auto u = static_cast<uint32_t>(v);
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>((u >> shift) & 0xFF));
}

void PutShortString(std::vector<uint8_t>& out, const std::string& s) {
    if (s.size() > 255) throw EWriteError("List item text longer than 255 bytes cannot be stored: " + s.substr(0, 20));
    out.push_back(static_cast<uint8_t>(s.size()));
    out.insert(out.end(), s.begin(), s.end());
}

class ByteReader {
public:
    explicit ByteReader(const std::vector<uint8_t>& data) : data_(data) {}
    int32_t Int() {
        Need(4);
        uint32_t u = 0;
        for (int i = 0; i < 4; ++i) u |= static_cast<uint32_t>(data_[pos_++]) << (8 * i);
        return static_cast<int32_t>(u);
    }
    std::string ShortString() {
        Need(1);
        const size_t len = data_[pos_++];
        Need(len);
        std::string s(data_.begin() + static_cast<long>(pos_), data_.begin() + static_cast<long>(pos_ + len));
        pos_ += len;
        return s;
    }
    bool AtEnd() const { return pos_ == data_.size(); }

private:
    void Need(size_t n) const {
        if (data_.size() - pos_ < n) throw EReadError("List item data is truncated");
    }
    const std::vector<uint8_t>& data_;
    size_t pos_ = 0;
};

struct ItemRecord {
    int32_t image, state, overlay;
    std::string caption;
    std::vector<std::string> subItems;
};

}  // namespace

TListItems::TListItems(TListView* owner) : owner_(owner) {}

TListItems::~TListItems() {
    for (TListItem* item : items_) delete item;
}

TListItem* TListItems::Item(int index) const {
    if (index < 0 || index >= Count()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return items_[static_cast<size_t>(index)];
}

int TListItems::IndexOf(const TListItem* item) const {
    const auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

TListItem* TListItems::Add() { return Insert(Count()); }

TListItem* TListItems::Insert(int index) {
    if (index < 0 || index > Count()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    auto* item = new TListItem(this);
    items_.insert(items_.begin() + index, item);
    if (owner_ != nullptr) owner_->ItemInserted(item);
    return item;
}

void TListItems::Delete(int index) {
    TListItem* item = Item(index);
    if (owner_ != nullptr) owner_->ItemDeleting(item);
    items_.erase(std::find(items_.begin(), items_.end(), item));
    delete item;
    if (owner_ != nullptr) owner_->Invalidate();
}

void TListItems::Clear() {
    BeginUpdate();
    try {
        while (!items_.empty()) Delete(Count() - 1);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TListItems::BeginUpdate() { ++updateCount_; }

void TListItems::EndUpdate() {
    if (updateCount_ > 0 && --updateCount_ == 0 && owner_ != nullptr) owner_->UpdatesEnded();
}

void TListItems::Assign(const TPersistent* source) {
    if (const auto* other = dynamic_cast<const TListItems*>(source)) {
        if (other == this) return;
        BeginUpdate();
        try {
            Clear();
            for (const TListItem* item : other->items_) Add()->Assign(item);
        } catch (...) {
            EndUpdate();
            throw;
        }
        EndUpdate();
        return;
    }
    TPersistent::Assign(source);
}

void TListItems::DefineProperties(TFiler& filer) {
    filer.DefineBinaryProperty(
        "Data", [this](const std::vector<uint8_t>& bytes) { ReadData(bytes); },
        [this](std::vector<uint8_t>& bytes) { bytes = WriteData(); }, Count() > 0);
}

std::vector<uint8_t> TListItems::WriteData() const {
    std::vector<uint8_t> body;
    for (const TListItem* item : items_) {
        PutInt(body, item->imageIndex_);
        PutInt(body, item->stateIndex_);
        PutInt(body, item->overlayIndex_);
        PutInt(body, item->subItems_->Count());
        PutInt(body, 0);
        PutShortString(body, item->caption_);
        for (int i = 0; i < item->subItems_->Count(); ++i) PutShortString(body, item->subItems_->Strings(i));
        for (int i = 0; i < item->subItems_->Count(); ++i) PutInt(body, -1);
    }
    std::vector<uint8_t> out;
    PutInt(out, static_cast<int32_t>(body.size() + 8));
    PutInt(out, Count());
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

void TListItems::ReadData(const std::vector<uint8_t>& data) {
    ByteReader in(data);
    const int32_t size = in.Int();
    const int32_t count = in.Int();
    if (size != static_cast<int32_t>(data.size()) || count < 0) throw EReadError("List item data has a wrong size");
    std::vector<ItemRecord> records;
    for (int32_t i = 0; i < count; ++i) {
        ItemRecord r;
        r.image = in.Int();
        r.state = in.Int();
        r.overlay = in.Int();
        const int32_t subCount = in.Int();
        if (subCount < 0) throw EReadError("List item data has a negative sub-item count");
        in.Int();
        r.caption = in.ShortString();
        for (int32_t k = 0; k < subCount; ++k) r.subItems.push_back(in.ShortString());
        for (int32_t k = 0; k < subCount; ++k) in.Int();
        records.push_back(std::move(r));
    }
    if (!in.AtEnd()) throw EReadError("List item data has trailing bytes");
    BeginUpdate();
    try {
        Clear();
        for (const ItemRecord& r : records) {
            TListItem* item = Add();
            item->imageIndex_ = r.image;
            item->stateIndex_ = r.state;
            item->overlayIndex_ = r.overlay;
            for (const std::string& s : r.subItems) item->subItems_->Add(s);
            item->SetCaption(r.caption);
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

}  // namespace rt
