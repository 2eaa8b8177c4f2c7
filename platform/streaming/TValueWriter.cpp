#include "platform/streaming/TValueWriter.h"

#include "platform/core/Exceptions.h"

namespace rt {

TValueWriter::TValueWriter(std::string prefix, std::vector<TResourceProperty>& out, TComponent* root)
    : prefix_(std::move(prefix)), out_(out), root_(root) {}

void TValueWriter::DefineProperty(const std::string& name, ReadProc, WriteProc write, bool hasData) {
    if (!hasData || !write) return;
    entry_ = name;
    open_.clear();
    written_.clear();
    write(*this);
    if (!open_.empty()) throw EWriteError("Error writing " + name + ": unterminated list");
    if (written_.size() > 1) throw EWriteError("Error writing " + name + ": more than one value");
    if (written_.empty()) return;
    out_.push_back(TResourceProperty{prefix_ + name, std::move(written_.front()), 0});
}

void TValueWriter::DefineBinaryProperty(const std::string& name, BinaryReadProc, BinaryWriteProc write,
                                        bool hasData) {
    if (!hasData || !write) return;
    std::vector<uint8_t> bytes;
    write(bytes);
    out_.push_back(TResourceProperty{prefix_ + name, TResourceValue::Binary(std::move(bytes)), 0});
}

void TValueWriter::Append(TResourceValue value) {
    if (!open_.empty()) {
        open_.back().items.push_back(std::move(value));
    } else {
        written_.push_back(std::move(value));
    }
}

void TValueWriter::WriteListBegin() { open_.push_back(TResourceValue::List()); }

void TValueWriter::WriteListEnd() {
    if (open_.empty()) throw EWriteError("Error writing " + entry_ + ": list end without list");
    TResourceValue list = std::move(open_.back());
    open_.pop_back();
    Append(std::move(list));
}

void TValueWriter::WriteString(const std::string& value) { Append(TResourceValue::String(value)); }

void TValueWriter::WriteInteger(int64_t value) { Append(TResourceValue::Integer(value)); }

void TValueWriter::WriteFloat(double value) { Append(TResourceValue::Float(value)); }

void TValueWriter::WriteBoolean(bool value) { Append(TResourceValue::Ident(value ? "True" : "False")); }

void TValueWriter::WriteIdent(const std::string& ident) { Append(TResourceValue::Ident(ident)); }

void TValueWriter::WriteBinary(const std::vector<uint8_t>& data) { Append(TResourceValue::Binary(data)); }

}  // namespace rt
