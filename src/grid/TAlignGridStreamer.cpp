#include "src/grid/TAlignGridStreamer.h"

#include <cstdint>
#include <functional>

#include "platform/classes/TReader.h"
#include "platform/classes/TWriter.h"
#include "platform/core/Exceptions.h"
#include "platform/graphics/TBrush.h"
#include "platform/graphics/TFont.h"
#include "src/grid/TStringAlignGrid.h"

namespace hemr {
namespace {

// Indexes of a damaged or hostile resource stay within what a stored grid
// holds; anything beyond the grid's own counts is dropped once it has loaded.
constexpr int64_t kMaxIndex = 65535;

int Index(rt::TReader& reader) {
    const int64_t v = reader.ReadInteger();
    if (v < 0 || v > kMaxIndex) throw rt::EReadError("grid index out of range");
    return static_cast<int>(v);
}

void SkipValue(rt::TReader& reader) {
    switch (reader.NextValue()) {
        case rt::TValueType::vaList:
            reader.ReadListBegin();
            while (!reader.EndOfList()) SkipValue(reader);
            reader.ReadListEnd();
            break;
        case rt::TValueType::vaString: reader.ReadString(); break;
        case rt::TValueType::vaFloat: reader.ReadFloat(); break;
        case rt::TValueType::vaIdent: reader.ReadIdent(); break;
        case rt::TValueType::vaFalse:
        case rt::TValueType::vaTrue: reader.ReadBoolean(); break;
        case rt::TValueType::vaBinary: reader.ReadBinary(); break;
        default: reader.ReadInteger(); break;
    }
}

// Reads one list item by item; an item that fails ends the reading, and the
// rest of the list is passed over so that the form's other entries still load.
void ReadList(rt::TReader& reader, const std::function<bool(rt::TReader&)>& item) {
    reader.ReadListBegin();
    try {
        while (!reader.EndOfList())
            if (!item(reader)) break;
    } catch (const rt::Exception&) {
    }
    try {
        while (!reader.EndOfList()) SkipValue(reader);
    } catch (const rt::Exception&) {
        return;
    }
    reader.ReadListEnd();
}

void WriteRecords(rt::TWriter& writer, const TIndexMap<TCellProperties>& records) {
    writer.WriteListBegin();
    for (const auto& [index, record] : records.Items()) {
        writer.WriteInteger(index);
        record.Write(writer);
    }
    writer.WriteListEnd();
}

// Older entries hold one value per cell or line, read into the matching record field.
using TOlderField = std::function<void(rt::TReader&, TCellProperties&)>;

TOlderField EditableField() {
    return [](rt::TReader& r, TCellProperties& p) {
        const int64_t v = r.ReadInteger();
        p.Editable = v == efNo || v == efYes ? static_cast<int>(v) : efUnset;
    };
}

TOlderField AlignField() {
    return [](rt::TReader& r, TCellProperties& p) {
        const int64_t v = r.ReadInteger();
        p.Alignment = v >= 0 && v < alDefault ? static_cast<TMyAlign>(v) : alDefault;
    };
}

TOlderField FontField() {
    return [](rt::TReader& r, TCellProperties& p) {
        p.Font = std::make_unique<rt::TFont>();
        TCellProperties::ReadFont(r, *p.Font);
    };
}

TOlderField BrushField() {
    return [](rt::TReader& r, TCellProperties& p) {
        p.Brush = std::make_unique<rt::TBrush>();
        TCellProperties::ReadBrush(r, *p.Brush);
    };
}

TOlderField ColorField(std::unique_ptr<rt::TBrush> TCellProperties::*field) {
    return [field](rt::TReader& r, TCellProperties& p) {
        if (!(p.*field)) p.*field = std::make_unique<rt::TBrush>();
        (p.*field)->SetColor(static_cast<rt::TColor>(r.ReadInteger()));
    };
}

// Values of a cell entry: read (false when what follows cannot be trusted) and written.
bool ReadHint(rt::TReader& r, std::string& hint) {
    hint = r.ReadString();
    return true;
}
void WriteHint(rt::TWriter& w, const std::string& hint) { w.WriteString(hint); }
bool ReadRecord(rt::TReader& r, TCellProperties& record) { return record.Read(r); }
void WriteRecord(rt::TWriter& w, const TCellProperties& record) { record.Write(w); }
bool Unset(const std::string& hint) { return hint.empty(); }
bool Unset(const TCellProperties& record) { return record.Empty(); }

// An entry of (column, row, value) items from a cell map.
template <class T>
void DefineCellEntry(rt::TFiler& filer, const char* name, TCellMap<T>& cells, bool (*read)(rt::TReader&, T&),
                     void (*write)(rt::TWriter&, const T&)) {
    filer.DefineProperty(
        name,
        [&cells, read](rt::TReader& reader) {
            ReadList(reader, [&cells, read](rt::TReader& r) {
                const int col = Index(r);
                const int row = Index(r);
                T value;
                const bool whole = read(r, value);
                if (!Unset(value)) cells.Get(col, row) = std::move(value);
                return whole;
            });
        },
        [&cells, write](rt::TWriter& writer) {
            writer.WriteListBegin();
            cells.ForEach([&writer, write](int col, int row, const T& value) {
                writer.WriteInteger(col);
                writer.WriteInteger(row);
                write(writer, value);
            });
            writer.WriteListEnd();
        },
        !cells.Empty());
}

// An entry of (index, record) items of a column or row collection.
void DefineLineEntry(rt::TFiler& filer, const char* name, TIndexMap<TCellProperties>& records) {
    filer.DefineProperty(
        name,
        [&records](rt::TReader& reader) {
            ReadList(reader, [&records](rt::TReader& r) {
                const int index = Index(r);
                TCellProperties record;
                const bool whole = record.Read(r);
                if (!record.Empty()) records.Get(index) = std::move(record);
                return whole;
            });
        },
        [&records](rt::TWriter& writer) { WriteRecords(writer, records); }, !records.Empty());
}

}  // namespace

void TAlignGridStreamer::DefineProperties(rt::TFiler& filer) {
    DefineCurrent(filer);
    DefineOlder(filer);
}

void TAlignGridStreamer::DefineCurrent(rt::TFiler& filer) {
    DefineCells(filer);
    DefineCellEntry(filer, "HintCell", grid_.hints_, ReadHint, WriteHint);
    DefineCellEntry(filer, "PropCell", grid_.cellProps_, ReadRecord, WriteRecord);
    DefineLineEntry(filer, "PropCol", grid_.colProps_);
    DefineLineEntry(filer, "PropRow", grid_.rowProps_);
    DefineLineEntry(filer, "PropFixedCol", grid_.fixedColProps_);
    DefineLineEntry(filer, "PropFixedRow", grid_.fixedRowProps_);
}

// The texts go through the grid's cells and are applied once loading has finished.
void TAlignGridStreamer::DefineCells(rt::TFiler& filer) {
    TStringAlignGrid& g = grid_;
    bool anyText = false;
    for (int col = 0; col < g.ColCount() && !anyText; ++col)
        for (int row = 0; row < g.RowCount() && !anyText; ++row) anyText = !g.Cells(col, row).empty();
    filer.DefineProperty(
        "Cells",
        [&g](rt::TReader& reader) {
            ReadList(reader, [&g](rt::TReader& r) {
                const int col = Index(r);
                const int row = Index(r);
                g.loadedCells_.emplace_back(col, row, r.ReadString());
                return true;
            });
        },
        [&g](rt::TWriter& writer) {
            writer.WriteListBegin();
            for (int col = 0; col < g.ColCount(); ++col) {
                for (int row = 0; row < g.RowCount(); ++row) {
                    const std::string text = g.Cells(col, row);
                    if (text.empty()) continue;
                    writer.WriteInteger(col);
                    writer.WriteInteger(row);
                    writer.WriteString(text);
                }
            }
            writer.WriteListEnd();
        },
        anyText);
}

void TAlignGridStreamer::DefineOlder(rt::TFiler& filer) {
    TStringAlignGrid& g = grid_;
    const auto cellEntry = [&filer, &g](const char* name, TOlderField field) {
        filer.DefineProperty(
            name,
            [&g, field](rt::TReader& reader) {
                ReadList(reader, [&g, &field](rt::TReader& r) {
                    const int col = Index(r);
                    const int row = Index(r);
                    field(r, g.cellProps_.Get(col, row));
                    if (g.cellProps_.Find(col, row)->Empty()) g.cellProps_.Erase(col, row);
                    return true;
                });
            },
            nullptr, false);
    };
    const auto lineEntry = [&filer](const char* name, TIndexMap<TCellProperties>& records, TOlderField field) {
        filer.DefineProperty(
            name,
            [&records, field](rt::TReader& reader) {
                ReadList(reader, [&records, &field](rt::TReader& r) {
                    const int index = Index(r);
                    field(r, records.Get(index));
                    if (records.Find(index)->Empty()) records.Erase(index);
                    return true;
                });
            },
            nullptr, false);
    };
    cellEntry("AlignCell", AlignField());
    lineEntry("AlignCol", g.colProps_, AlignField());
    lineEntry("FixedAlignCol", g.fixedColProps_, AlignField());
    lineEntry("AlignRow", g.rowProps_, AlignField());
    lineEntry("FixedAlignRow", g.fixedRowProps_, AlignField());
    cellEntry("EditCell", EditableField());
    lineEntry("EditCol", g.colProps_, EditableField());
    lineEntry("EditRow", g.rowProps_, EditableField());
    cellEntry("FontCell", FontField());
    lineEntry("FontCol", g.colProps_, FontField());
    lineEntry("FontFixedCol", g.fixedColProps_, FontField());
    lineEntry("FontRow", g.rowProps_, FontField());
    lineEntry("FontFixedRow", g.fixedRowProps_, FontField());
    cellEntry("BrushCell", BrushField());
    lineEntry("BrushCol", g.colProps_, BrushField());
    lineEntry("BrushFixedCol", g.fixedColProps_, BrushField());
    lineEntry("BrushRow", g.rowProps_, BrushField());
    lineEntry("BrushFixedRow", g.fixedRowProps_, BrushField());
    cellEntry("ColorCell", ColorField(&TCellProperties::Brush));
    lineEntry("ColorCol", g.colProps_, ColorField(&TCellProperties::Brush));
    lineEntry("ColorFixedCol", g.fixedColProps_, ColorField(&TCellProperties::Brush));
    lineEntry("ColorRow", g.rowProps_, ColorField(&TCellProperties::Brush));
    lineEntry("ColorFixedRow", g.fixedRowProps_, ColorField(&TCellProperties::Brush));
    cellEntry("SelectedColorCell", ColorField(&TCellProperties::SelectedBrush));
    lineEntry("SelectedColorCol", g.colProps_, ColorField(&TCellProperties::SelectedBrush));
    lineEntry("SelectedColorRow", g.rowProps_, ColorField(&TCellProperties::SelectedBrush));
}

}  // namespace hemr
