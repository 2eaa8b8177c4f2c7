#include "platform/streaming/TResourceValue.h"

namespace rt {

TResourceValue TResourceValue::Integer(int64_t v) {
    TResourceValue r;
    r.kind = Kind::Integer;
    r.integer = v;
    return r;
}

TResourceValue TResourceValue::Float(double v) {
    TResourceValue r;
    r.kind = Kind::Float;
    r.number = v;
    return r;
}

TResourceValue TResourceValue::String(std::string v) {
    TResourceValue r;
    r.kind = Kind::String;
    r.text = std::move(v);
    return r;
}

TResourceValue TResourceValue::Ident(std::string v) {
    TResourceValue r;
    r.kind = Kind::Ident;
    r.text = std::move(v);
    return r;
}

TResourceValue TResourceValue::List() {
    TResourceValue r;
    r.kind = Kind::List;
    return r;
}

TResourceValue TResourceValue::Set(std::vector<std::string> names) {
    TResourceValue r;
    r.kind = Kind::Set;
    r.names = std::move(names);
    return r;
}

TResourceValue TResourceValue::Binary(std::vector<uint8_t> bytes) {
    TResourceValue r;
    r.kind = Kind::Binary;
    r.bytes = std::move(bytes);
    return r;
}

const char* TResourceValue::KindName() const {
    switch (kind) {
        case Kind::Integer: return "integer";
        case Kind::Float: return "float";
        case Kind::String: return "string";
        case Kind::Ident: return "identifier";
        case Kind::List: return "list";
        case Kind::Set: return "set";
        case Kind::Collection: return "collection";
        case Kind::Binary: return "binary data";
    }
    return "value";
}

}  // namespace rt
