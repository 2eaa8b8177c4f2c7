#include "platform/menus/TMenuDriver.h"

#include "platform/menus/TPopupMenu.h"

namespace rt {

namespace {

TMenuItem* FindByName(TMenuItem* item, const std::string& name) {
    for (int i = 0; i < item->Count(); ++i) {
        TMenuItem* sub = item->Items(i);
        if (!sub->Name().empty() && sub->Name() == name) return sub;
        if (TMenuItem* found = FindByName(sub, name)) return found;
    }
    return nullptr;
}

TMenuItem* FindByPath(TMenuItem* item, const std::string& path) {
    size_t start = 0;
    while (item != nullptr) {
        const size_t bar = path.find('|', start);
        item = item->Find(path.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (bar == std::string::npos) return item;
        start = bar + 1;
    }
    return nullptr;
}

std::string ChosenName(const TMenuItem* item) {
    if (item == nullptr) return {};
    return item->Name().empty() ? StripHotkey(item->Caption()) : item->Name();
}

}  // namespace

TMenuItem* FindMenuItem(TMenuItem* root, const std::string& nameOrPath) {
    if (root == nullptr || nameOrPath.empty()) return nullptr;
    if (TMenuItem* byName = FindByName(root, nameOrPath)) return byName;
    return FindByPath(root, nameOrPath);
}

void TMenuDriver::Reset() {
    choices_.clear();
    callback_ = nullptr;
    popups_.clear();
}

TMenuItem* TMenuDriver::Choose(TPopupMenu& menu, TPoint at) {
    TPopupRecord record;
    record.MenuName = menu.Name();
    record.At = at;
    TMenuItem* root = menu.Items();
    for (int i = 0; i < root->Count(); ++i) {
        if (root->Items(i)->Visible()) record.Captions.push_back(root->Items(i)->Caption());
    }
    TMenuItem* chosen = nullptr;
    if (!choices_.empty()) {
        const std::string choice = choices_.front();
        choices_.pop_front();
        if (!choice.empty()) {
            chosen = FindMenuItem(root, choice);
            if (chosen == nullptr) throw EMenuError("No menu item '" + choice + "' in " + menu.Name());
        }
    } else if (callback_) {
        chosen = callback_(menu, at);
    }
    record.Chosen = ChosenName(chosen);
    popups_.push_back(std::move(record));
    return chosen;
}

TMenuDriver& MenuDriver() {
    static TMenuDriver driver;
    return driver;
}

}  // namespace rt
