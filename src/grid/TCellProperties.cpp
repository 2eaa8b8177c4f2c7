#include "src/grid/TCellProperties.h"

#include "platform/classes/TReader.h"
#include "platform/classes/TWriter.h"
#include "platform/graphics/TBrush.h"
#include "platform/graphics/TFont.h"

namespace hemr {
namespace {

enum Tag : int {
    tagEnd = 0,
    tagAlignment = 1,
    tagWordwrap = 2,
    tagEditable = 3,
    tagBrush = 4,
    tagSelectedBrush = 5,
    tagFont = 6,
    tagSelectedFont = 7,
    tagEditMask = 8,
    tagEditor = 9
};

// Values outside an enumeration, as a damaged resource may hold, read as unset.
template <class E>
E EnumOr(int64_t value, E count, E unset) {
    return value >= 0 && value < static_cast<int64_t>(count) ? static_cast<E>(value) : unset;
}

int SmallInt(int64_t v) { return v < INT32_MIN || v > INT32_MAX ? 0 : static_cast<int>(v); }

std::unique_ptr<rt::TFont> ReadNewFont(rt::TReader& reader) {
    auto font = std::make_unique<rt::TFont>();
    TCellProperties::ReadFont(reader, *font);
    return font;
}

std::unique_ptr<rt::TBrush> ReadNewBrush(rt::TReader& reader) {
    auto brush = std::make_unique<rt::TBrush>();
    TCellProperties::ReadBrush(reader, *brush);
    return brush;
}

void WriteEditor(rt::TWriter& writer, const TControlInfo& editor) {
    writer.WriteInteger(editor.Kind());
    // A drop-down list has no text of its own; its list-only flag travels there, so it survives the form.
    writer.WriteString(editor.Kind() == ekDropDown ? (editor.ListOnly() ? "Y" : "N") : editor.Text());
    writer.WriteListBegin();
    for (const std::string& item : editor.Items()) writer.WriteString(item);
    writer.WriteListEnd();
    writer.WriteString(editor.CheckedValue());
    writer.WriteString(editor.UncheckedValue());
}

std::unique_ptr<TControlInfo> ReadEditor(rt::TReader& reader) {
    auto editor = std::make_unique<TControlInfo>(SmallInt(reader.ReadInteger()));
    const std::string text = reader.ReadString();
    editor->SetText(text);
    editor->SetListOnly(text == "Y");
    std::vector<std::string> items;
    reader.ReadListBegin();
    while (!reader.EndOfList()) items.push_back(reader.ReadString());
    reader.ReadListEnd();
    editor->SetItems(std::move(items));
    const std::string checked = reader.ReadString();
    editor->SetCheckValues(checked, reader.ReadString());
    return editor;
}

}  // namespace

TCellProperties::TCellProperties() = default;
TCellProperties::~TCellProperties() = default;
TCellProperties::TCellProperties(TCellProperties&&) noexcept = default;
TCellProperties& TCellProperties::operator=(TCellProperties&&) noexcept = default;

bool TCellProperties::Empty() const {
    return Alignment == alDefault && Wordwrap == ww_default && Editable == efUnset && !Brush && !SelectedBrush &&
           !Font && !SelectedFont && EditMask.empty() && !Editor;
}

void TCellProperties::WriteFont(rt::TWriter& writer, const rt::TFont& font) {
    writer.WriteInteger(font.Charset());
    writer.WriteInteger(static_cast<int64_t>(font.Color()));
    writer.WriteInteger(font.Height());
    writer.WriteString(font.Name());
    writer.WriteInteger(static_cast<int64_t>(font.Pitch()));
    writer.WriteInteger(static_cast<int64_t>(font.Style().Bits()));
}

void TCellProperties::ReadFont(rt::TReader& reader, rt::TFont& font) {
    font.SetCharset(SmallInt(reader.ReadInteger()));
    font.SetColor(static_cast<rt::TColor>(SmallInt(reader.ReadInteger())));
    font.SetHeight(SmallInt(reader.ReadInteger()));
    font.SetName(reader.ReadString());
    font.SetPitch(EnumOr(reader.ReadInteger(), rt::TFontPitch(3), rt::fpDefault));
    font.SetStyle(rt::TFontStyles::FromBits(static_cast<uint64_t>(reader.ReadInteger()) & 0xF));
}

void TCellProperties::WriteBrush(rt::TWriter& writer, const rt::TBrush& brush) {
    writer.WriteInteger(static_cast<int64_t>(brush.Color()));
    writer.WriteInteger(static_cast<int64_t>(brush.Style()));
}

void TCellProperties::ReadBrush(rt::TReader& reader, rt::TBrush& brush) {
    brush.SetColor(static_cast<rt::TColor>(SmallInt(reader.ReadInteger())));
    brush.SetStyle(EnumOr(reader.ReadInteger(), rt::TBrushStyle(8), rt::bsSolid));
}

void TCellProperties::Write(rt::TWriter& writer) const {
    if (Alignment != alDefault) {
        writer.WriteInteger(tagAlignment);
        writer.WriteInteger(static_cast<int64_t>(Alignment));
    }
    if (Wordwrap != ww_default) {
        writer.WriteInteger(tagWordwrap);
        writer.WriteInteger(static_cast<int64_t>(Wordwrap));
    }
    if (Editable != efUnset) {
        writer.WriteInteger(tagEditable);
        writer.WriteInteger(Editable);
    }
    const auto brush = [&writer](int tag, const std::unique_ptr<rt::TBrush>& b) {
        if (!b) return;
        writer.WriteInteger(tag);
        WriteBrush(writer, *b);
    };
    const auto font = [&writer](int tag, const std::unique_ptr<rt::TFont>& f) {
        if (!f) return;
        writer.WriteInteger(tag);
        WriteFont(writer, *f);
    };
    brush(tagBrush, Brush);
    brush(tagSelectedBrush, SelectedBrush);
    font(tagFont, Font);
    font(tagSelectedFont, SelectedFont);
    if (!EditMask.empty()) {
        writer.WriteInteger(tagEditMask);
        writer.WriteString(EditMask);
    }
    if (Editor) {
        writer.WriteInteger(tagEditor);
        WriteEditor(writer, *Editor);
    }
    writer.WriteInteger(tagEnd);
}

bool TCellProperties::Read(rt::TReader& reader) {
    while (!reader.EndOfList()) {
        switch (reader.ReadInteger()) {
            case tagEnd: return true;
            case tagAlignment: Alignment = EnumOr(reader.ReadInteger(), alDefault, alDefault); break;
            case tagWordwrap: Wordwrap = EnumOr(reader.ReadInteger(), ww_default, ww_default); break;
            case tagEditable: {
                const int64_t v = reader.ReadInteger();
                Editable = v == efNo || v == efYes ? static_cast<int>(v) : efUnset;
                break;
            }
            case tagBrush: Brush = ReadNewBrush(reader); break;
            case tagSelectedBrush: SelectedBrush = ReadNewBrush(reader); break;
            case tagFont: Font = ReadNewFont(reader); break;
            case tagSelectedFont: SelectedFont = ReadNewFont(reader); break;
            case tagEditMask: EditMask = reader.ReadString(); break;
            case tagEditor: Editor = ReadEditor(reader); break;
            default: return false;
        }
    }
    return false;
}

}  // namespace hemr
