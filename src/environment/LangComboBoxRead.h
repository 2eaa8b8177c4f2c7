#pragma once
// Combo boxes lose their selection when their item list is rewritten; the
// readers for them put the selected index back after the element is applied.
// The index is reached through the published property "ItemIndex".

#include "src/environment/LangComponentRead.h"

namespace hemr {

class TCustomComboBoxRead : public TComponentRead {
public:
    using TComponentRead::TComponentRead;
    void ReadComponent(pugi::xml_node element) override;
};

// The data-aware combo box of the outside control package: only its item
// index matters here, kept the same way.
class TwwDBCustomComboBoxRead : public TCustomComboBoxRead {
public:
    using TCustomComboBoxRead::TCustomComboBoxRead;
};

}  // namespace hemr
