#include "outside/host/ListViewSteps.h"

#include <stdexcept>

#include "platform/classes/TStringList.h"
#include "platform/comctrls/TListItem.h"
#include "platform/comctrls/TListItems.h"
#include "platform/comctrls/TListView.h"
#include "platform/forms/TInputInjector.h"

namespace host {

namespace {

rt::TListItem* ItemOf(const rt::TListView& list, int index) {
    if (index < 0 || index >= list.Items()->Count())
        throw std::out_of_range(list.Name() + " has no item " + std::to_string(index));
    return list.Items()->Item(index);
}

rt::TPoint CentreOf(const rt::TListView& list, int index) {
    const rt::TRect r = list.ItemRect(index);
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
}

}  // namespace

nlohmann::json ListItemJson(const rt::TListView& list, int index) {
    rt::TListItem* item = ItemOf(list, index);
    nlohmann::json subItems = nlohmann::json::array();
    for (int i = 0; i < item->SubItems()->Count(); ++i) subItems.push_back(item->SubItems()->Strings(i));
    return {{"caption", item->Caption()}, {"subItems", subItems}};
}

nlohmann::json ListItemsJson(const rt::TListView& list) {
    nlohmann::json items = nlohmann::json::array();
    for (int i = 0; i < list.Items()->Count(); ++i) items.push_back(ListItemJson(list, i));
    return {{"count", list.Items()->Count()}, {"items", items}};
}

void EditListCaption(rt::TListView& list, int index, const std::string& text, const std::string& endKey) {
    rt::TListItem* item = ItemOf(list, index);
    if (!(item->Selected() && list.ItemFocused() == item && list.Focused()))
        rt::Input().ClickAt(&list, CentreOf(list, index));
    if (!list.IsEditing()) rt::Input().ClickAt(&list, CentreOf(list, index));
    if (!list.IsEditing()) throw std::runtime_error(list.Name() + " does not edit the caption of item " +
                                                    std::to_string(index));
    rt::Input().TypeText(text);
    rt::Input().PressKey(endKey);
}

}  // namespace host
