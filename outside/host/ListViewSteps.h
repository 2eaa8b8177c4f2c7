#pragma once
// The scenario steps on list views: reading their items into the transcript
// and editing an item's caption as a user does.

#include <string>

#include <nlohmann/json.hpp>

namespace rt {
class TListView;
}

namespace host {

// {"caption": C, "subItems": [...]} of item `index`; raises std::out_of_range for a missing item.
nlohmann::json ListItemJson(const rt::TListView& list, int index);
// {"count": N, "items": [ListItemJson of each item]}.
nlohmann::json ListItemsJson(const rt::TListView& list);

// Clicks item `index`, clicks it again (a click on the selected item opens the
// caption editor with the caption selected), types `text` over it and ends
// the edit with `endKey` ("Enter" accepts, "Escape" cancels). Raises
// std::out_of_range for a missing item and std::runtime_error when the editor
// does not open (a read-only list, or a form that refuses it).
void EditListCaption(rt::TListView& list, int index, const std::string& text, const std::string& endKey);

}  // namespace host
