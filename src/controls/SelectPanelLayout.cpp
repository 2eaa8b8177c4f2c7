#include "src/controls/SelectPanelLayout.h"

#include <algorithm>

#include "platform/controls/TControl.h"

namespace hemr {

namespace {

constexpr int kSpace = 2;

void Place(rt::TControl& control, int left, int top) { control.SetBounds(left, top, control.Width(), control.Height()); }

// A lookup button is a square of the edit's height.
void PlaceButton(rt::TControl& button, int left, int top, int size) { button.SetBounds(left, top, size, size); }

}  // namespace

void LayOutRangeRow(const TRangeParts& parts, int pageWidth, int pageHeight, bool withButtons) {
    const int editHeight = parts.BeginEdit.Height();
    const int top = (pageHeight - editHeight) / 2;
    const int button = withButtons ? editHeight : 0;
    // Left margin, label, gap, [gap, button, gap | 4], label, gap, [gap, button], right margin.
    const int afterBeginEdit = withButtons ? kSpace + button + kSpace : 2 * kSpace;
    const int afterEndEdit = withButtons ? kSpace + button : 0;
    const int fixed = kSpace + parts.BeginLabel.Width() + kSpace + afterBeginEdit + parts.EndLabel.Width() + kSpace +
                      afterEndEdit + kSpace;
    const int editWidth = std::max(0, (pageWidth - fixed) / 2);

    int x = kSpace;
    Place(parts.BeginLabel, x, top);
    x += parts.BeginLabel.Width() + kSpace;
    parts.BeginEdit.SetBounds(x, top, editWidth, editHeight);
    x += editWidth;
    if (withButtons) PlaceButton(parts.BeginLookup, x + kSpace, top, button);
    x += afterBeginEdit;
    Place(parts.EndLabel, x, top);
    x += parts.EndLabel.Width() + kSpace;
    parts.EndEdit.SetBounds(x, top, editWidth, editHeight);
    x += editWidth;
    if (withButtons) PlaceButton(parts.EndLookup, x + kSpace, top, button);
}

void LayOutRangeRows(const TRangeParts& parts, int pageWidth, int pageHeight, bool withButtons) {
    const int editHeight = parts.BeginEdit.Height();
    const int gap = std::max(0, (pageHeight - 2 * editHeight) / 3);
    const int button = withButtons ? editHeight : 0;
    const int editLeft = kSpace + std::max(parts.BeginLabel.Width(), parts.EndLabel.Width()) + kSpace;
    const int editRight = pageWidth - (withButtons ? button + 2 * kSpace : 2 * kSpace);
    const int editWidth = std::max(0, editRight - editLeft);
    const int rows[2] = {gap, 2 * gap + editHeight};

    rt::TControl* labels[2] = {&parts.BeginLabel, &parts.EndLabel};
    rt::TControl* edits[2] = {&parts.BeginEdit, &parts.EndEdit};
    rt::TControl* buttons[2] = {&parts.BeginLookup, &parts.EndLookup};
    for (int i = 0; i < 2; ++i) {
        Place(*labels[i], kSpace, rows[i]);
        edits[i]->SetBounds(editLeft, rows[i], editWidth, editHeight);
        if (withButtons) PlaceButton(*buttons[i], editLeft + editWidth + kSpace, rows[i], button);
    }
}

void LayOutList(const TListParts& parts, int pageWidth, int pageHeight) {
    const int buttonWidth = parts.Lookup.Width();
    const int buttonLeft = pageWidth - buttonWidth;
    parts.List.SetBounds(0, 0, std::max(0, buttonLeft - 3), std::max(0, pageHeight));
    Place(parts.Lookup, buttonLeft, 0);
    Place(parts.Delete, buttonLeft, parts.Lookup.Height());
    Place(parts.Clear, buttonLeft, parts.Lookup.Height() + parts.Delete.Height());
}

}  // namespace hemr
