#include "platform/streaming/TValueReader.h"

#include "platform/classes/IdentText.h"
#include "platform/core/Exceptions.h"

namespace rt {

TValueReader::TValueReader(std::string entryName, const TResourceValue& value, TComponent* root)
    : entryName_(std::move(entryName)), value_(value), root_(root) {}

TValueReader::~TValueReader() = default;

void TValueReader::DefineProperty(const std::string& name, ReadProc read, WriteProc, bool) {
    if (handled_ || !SameName(name, entryName_)) return;
    handled_ = true;
    if (!read) throw EReadError("Property " + name + " cannot be read");
    read(*this);
}

void TValueReader::DefineBinaryProperty(const std::string& name, BinaryReadProc read, BinaryWriteProc, bool) {
    if (handled_ || !SameName(name, entryName_)) return;
    handled_ = true;
    if (!read) throw EReadError("Property " + name + " cannot be read");
    read(ReadBinary());
}

const TResourceValue* TValueReader::Current() {
    if (cursor_) return CursorValue();
    if (stack_.empty()) return topTaken_ ? nullptr : &value_;
    const Frame& f = stack_.back();
    return f.index < f.list->items.size() ? &f.list->items[f.index] : nullptr;
}

const TResourceValue* TValueReader::CursorValue() {
    static const TResourceValue listMarker = TResourceValue::List();
    if (cursorHeld_) return &cursorValue_;
    if (cursor_->AtListEnd()) return nullptr;
    if (cursor_->AtListBegin()) return &listMarker;
    cursorValue_ = cursor_->ParseValue();
    cursorHeld_ = true;
    return &cursorValue_;
}

void TValueReader::Advance() {
    if (cursor_) {
        cursorHeld_ = false;
    } else if (stack_.empty()) {
        topTaken_ = true;
    } else {
        ++stack_.back().index;
    }
}

const TResourceValue& TValueReader::Take(TResourceValue::Kind kind, const char* expected) {
    const TResourceValue* v = Current();
    if (v == nullptr) throw EReadError(std::string("Invalid property value: ") + expected + " expected, found end of list");
    if (v->kind != kind) {
        throw EReadError(std::string("Invalid property value: ") + expected + " expected, found " + v->KindName());
    }
    Advance();
    return *v;
}

TValueType TValueReader::NextValue() {
    const TResourceValue* v = Current();
    if (v == nullptr) return TValueType::vaNull;
    using Kind = TResourceValue::Kind;
    switch (v->kind) {
        case Kind::Integer: return TValueType::vaInteger;
        case Kind::Float: return TValueType::vaFloat;
        case Kind::String: return TValueType::vaString;
        case Kind::Ident:
            if (SameName(v->text, "True")) return TValueType::vaTrue;
            if (SameName(v->text, "False")) return TValueType::vaFalse;
            return TValueType::vaIdent;
        case Kind::List: return TValueType::vaList;
        case Kind::Set: return TValueType::vaSet;
        case Kind::Collection: return TValueType::vaCollection;
        case Kind::Binary: return TValueType::vaBinary;
    }
    return TValueType::vaNull;
}

void TValueReader::ReadListBegin() {
    const TResourceValue* v = Current();
    if (v == nullptr || v->kind != TResourceValue::Kind::List) {
        throw EReadError(std::string("Invalid property value: list expected, found ") +
                         (v != nullptr ? v->KindName() : "end of list"));
    }
    if (cursor_) {
        cursor_->Bracket();
        ++cursorLists_;
    } else if (!v->text.empty()) {
        cursor_ = std::make_unique<TFormParser>(TFormParser::ListCursor(*v));
        cursor_->Bracket();
        cursorLists_ = 1;
    } else {
        stack_.push_back(Frame{v, 0});
    }
}

bool TValueReader::EndOfList() {
    if (cursor_) return Current() == nullptr;
    return !stack_.empty() && Current() == nullptr;
}

void TValueReader::ReadListEnd() {
    if (!EndOfList()) throw EReadError("Invalid property value: end of list expected");
    if (cursor_) {
        cursor_->Bracket();
        if (--cursorLists_ > 0) return;
        cursor_.reset();
    } else {
        stack_.pop_back();
    }
    Advance();
}

std::string TValueReader::ReadString() { return Take(TResourceValue::Kind::String, "string").text; }

int64_t TValueReader::ReadInteger() { return Take(TResourceValue::Kind::Integer, "integer").integer; }

double TValueReader::ReadFloat() {
    const TResourceValue* v = Current();
    if (v != nullptr && v->kind == TResourceValue::Kind::Integer) {
        const auto number = static_cast<double>(v->integer);
        Advance();
        return number;
    }
    return Take(TResourceValue::Kind::Float, "float").number;
}

bool TValueReader::ReadBoolean() {
    const TValueType type = NextValue();
    if (type != TValueType::vaTrue && type != TValueType::vaFalse) {
        throw EReadError("Invalid property value: boolean expected");
    }
    Advance();
    return type == TValueType::vaTrue;
}

std::string TValueReader::ReadIdent() { return Take(TResourceValue::Kind::Ident, "identifier").text; }

std::vector<uint8_t> TValueReader::ReadBinary() { return Take(TResourceValue::Kind::Binary, "binary data").bytes; }

}  // namespace rt
