#include "src/controls/SelectPanelValue.h"

#include "platform/comctrls/TListItems.h"

namespace hemr {

namespace {

std::vector<std::string> SplitAt(const std::string& text, char separator) {
    std::vector<std::string> parts;
    size_t from = 0;
    for (size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, from)) {
        parts.push_back(text.substr(from, at - from));
        from = at + 1;
    }
    parts.push_back(text.substr(from));
    return parts;
}

}  // namespace

std::string JoinSavedRows(const rt::TListItems& items) {
    std::string text;
    for (int i = 0; i < items.Count(); ++i) {
        const rt::TListItem* item = items.Item(i);
        text += item->Caption();
        const rt::TStringList* subItems = item->SubItems();
        for (int s = 0; s < subItems->Count(); ++s) text += kSavedTextSeparator + subItems->Strings(s);
        text += kSavedRowEnd;
    }
    return text;
}

std::vector<TSavedRow> SplitSavedRows(const std::string& field) {
    std::vector<TSavedRow> rows;
    for (const std::string& piece : SplitAt(field, kSavedRowEnd)) {
        if (!piece.empty()) rows.push_back(SplitAt(piece, kSavedTextSeparator));
    }
    return rows;
}

std::vector<std::string> SplitSavedFields(const std::string& value) { return SplitAt(value, kSavedFieldSeparator); }

}  // namespace hemr
