#pragma once
// The formatting one cell, column, row, fixed column or fixed row carries.
// Every field may be unset; an unset field lets the next level decide.
//
// Stored as tagged values ending with tag 0, only the set fields: 1 alignment,
// 2 word wrap, 3 editable, 4 brush, 5 selected brush, 6 font, 7 selected font,
// 8 edit mask, 9 editor (kind, text, item list, checked and unchecked value).

#include <memory>
#include <string>

#include "src/grid/AlignGridTypes.h"
#include "src/grid/TControlInfo.h"

namespace rt {
class TReader;
class TWriter;
}  // namespace rt

namespace hemr {

class TCellProperties {
public:
    TCellProperties();
    ~TCellProperties();
    TCellProperties(TCellProperties&&) noexcept;
    TCellProperties& operator=(TCellProperties&&) noexcept;

    TMyAlign Alignment = alDefault;
    T_Wordwrap Wordwrap = ww_default;
    int Editable = efUnset;
    // Null when unset.
    std::unique_ptr<rt::TBrush> Brush;
    std::unique_ptr<rt::TBrush> SelectedBrush;
    std::unique_ptr<rt::TFont> Font;
    std::unique_ptr<rt::TFont> SelectedFont;
    std::string EditMask;
    std::unique_ptr<TControlInfo> Editor;

    // True when no field is set (the record can go).
    bool Empty() const;

    void Write(rt::TWriter& writer) const;
    // Reads up to and including tag 0. False when the record ends early or
    // holds an unknown tag: what came before it is kept, and the rest of the
    // list cannot be trusted.
    bool Read(rt::TReader& reader);

    // The toolkit-independent encoding of fonts and brushes inside records and
    // the older entries: colour, style, name, size and character set.
    static void WriteFont(rt::TWriter& writer, const rt::TFont& font);
    static void ReadFont(rt::TReader& reader, rt::TFont& font);
    static void WriteBrush(rt::TWriter& writer, const rt::TBrush& brush);
    static void ReadBrush(rt::TReader& reader, rt::TBrush& brush);
};

}  // namespace hemr
