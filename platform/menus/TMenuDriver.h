#pragma once
// Decides which item a user picks from a pop-up menu, and records every
// pop-up shown. Tests and the client shell queue choices (by item name or by
// a caption path "View|List", accelerators ignored) or set a callback;
// without either the menu closes with nothing picked.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/graphics/Geometry.h"

namespace rt {

class TMenuItem;
class TPopupMenu;

struct TPopupRecord {
    std::string MenuName;
    TPoint At;
    // Captions of the visible top-level entries, as shown.
    std::vector<std::string> Captions;
    // Name (or caption) of the item picked, empty when none was.
    std::string Chosen;
};

class TMenuDriver {
public:
    using Callback = std::function<TMenuItem*(TPopupMenu& menu, TPoint at)>;

    void QueueChoice(std::string nameOrPath) { choices_.push_back(std::move(nameOrPath)); }
    // The next pop-up closes without a choice.
    void QueueDismiss() { choices_.emplace_back(); }
    void SetCallback(Callback callback) { callback_ = std::move(callback); }
    // Forgets queued choices, the callback and the record.
    void Reset();

    // The item picked from `menu` shown at `at` (queued choices first, then the
    // callback), recorded. Raises EMenuError when a queued choice names no
    // item of the menu.
    TMenuItem* Choose(TPopupMenu& menu, TPoint at);

    const std::vector<TPopupRecord>& Popups() const { return popups_; }
    int PendingChoices() const { return static_cast<int>(choices_.size()); }

private:
    std::deque<std::string> choices_;
    Callback callback_;
    std::vector<TPopupRecord> popups_;
};

TMenuDriver& MenuDriver();

// The item of `root`'s tree named `nameOrPath`, or at that caption path; null when none.
TMenuItem* FindMenuItem(TMenuItem* root, const std::string& nameOrPath);

}  // namespace rt
