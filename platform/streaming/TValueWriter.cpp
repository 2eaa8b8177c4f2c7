#include "platform/streaming/TValueWriter.h"

#include "platform/core/Exceptions.h"

namespace rt {

TValueWriter::TValueWriter(std::string prefix, TFormPrinter& printer, int depth, TComponent* root)
    : prefix_(std::move(prefix)), printer_(printer), depth_(depth), root_(root) {}

// A failed entry throws and the whole text is dropped, so nothing half-printed is kept.
void TValueWriter::DefineProperty(const std::string& name, ReadProc, WriteProc write, bool hasData) {
    if (!hasData || !write) return;
    entry_ = name;
    openLists_ = 0;
    written_ = false;
    write(*this);
    if (openLists_ != 0) throw EWriteError("Error writing " + name + ": unterminated list");
    if (written_) printer_.PropertyEnd();
}

void TValueWriter::DefineBinaryProperty(const std::string& name, BinaryReadProc, BinaryWriteProc write,
                                        bool hasData) {
    if (!hasData || !write) return;
    std::vector<uint8_t> bytes;
    write(bytes);
    printer_.Property(TResourceProperty{prefix_ + name, TResourceValue::Binary(std::move(bytes)), 0}, depth_);
}

void TValueWriter::BeginValue() {
    if (openLists_ > 0) {
        printer_.ListItem(depth_ + openLists_);
        return;
    }
    if (written_) throw EWriteError("Error writing " + entry_ + ": more than one value");
    written_ = true;
    printer_.PropertyName(prefix_ + entry_, depth_);
}

void TValueWriter::Append(const TResourceValue& value) {
    BeginValue();
    printer_.Value(value, depth_ + openLists_);
}

void TValueWriter::WriteListBegin() {
    BeginValue();
    printer_.ListBegin();
    ++openLists_;
}

void TValueWriter::WriteListEnd() {
    if (openLists_ == 0) throw EWriteError("Error writing " + entry_ + ": list end without list");
    --openLists_;
    printer_.ListEnd();
}

void TValueWriter::WriteString(const std::string& value) {
    BeginValue();
    printer_.StringValue(value, depth_ + openLists_);
}

void TValueWriter::WriteInteger(int64_t value) { Append(TResourceValue::Integer(value)); }

void TValueWriter::WriteFloat(double value) { Append(TResourceValue::Float(value)); }

void TValueWriter::WriteBoolean(bool value) { Append(TResourceValue::Ident(value ? "True" : "False")); }

void TValueWriter::WriteIdent(const std::string& ident) { Append(TResourceValue::Ident(ident)); }

void TValueWriter::WriteBinary(const std::vector<uint8_t>& data) { Append(TResourceValue::Binary(data)); }

}  // namespace rt
