#pragma once
// Where the selection panel puts its parts inside a page: the range in one
// row or in two, and the list with its three buttons down its right side.
// Sizes come from the parts themselves (labels size to their text).

namespace rt {
class TControl;
}

namespace hemr {

struct TRangeParts {
    rt::TControl& BeginLabel;
    rt::TControl& BeginEdit;
    rt::TControl& BeginLookup;
    rt::TControl& EndLabel;
    rt::TControl& EndEdit;
    rt::TControl& EndLookup;
};

struct TListParts {
    rt::TControl& List;
    rt::TControl& Lookup;
    rt::TControl& Delete;
    rt::TControl& Clear;
};

// Label, edit, button, label, edit, button, 2 pixels apart and centred
// vertically; the edits share what the rest leaves. Without buttons the end
// label follows the begin edit at 4 pixels.
void LayOutRangeRow(const TRangeParts& parts, int pageWidth, int pageHeight, bool withButtons);
// Begin above end, the edits aligned after the wider label and reaching to
// the right edge less the button; the free height split into three gaps.
void LayOutRangeRows(const TRangeParts& parts, int pageWidth, int pageHeight, bool withButtons);
// The list at the top left, full height; the buttons stacked at its right.
void LayOutList(const TListParts& parts, int pageWidth, int pageHeight);

}  // namespace hemr
