#include "src/controls/SelectPanelValue.h"

#include "platform/comctrls/TListItems.h"
#include "platform/sysutils/StrUtils.h"

namespace hemr {

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
    for (const std::string& piece : rt::SplitString(field, std::string(1, kSavedRowEnd))) {
        if (!piece.empty()) rows.push_back(rt::SplitString(piece, std::string(1, kSavedTextSeparator)));
    }
    return rows;
}

std::vector<std::string> SplitSavedFields(const std::string& value) {
    return rt::SplitString(value, std::string(1, kSavedFieldSeparator));
}

}  // namespace hemr
