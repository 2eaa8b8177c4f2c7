#pragma once
// The value-level reading a persistent object does in its custom entries
// (DefineProperty callbacks); the form reader implements it.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/classes/TFiler.h"

namespace rt {

class TComponent;

enum class TValueType { vaNull, vaList, vaInteger, vaFloat, vaString, vaIdent, vaFalse, vaTrue, vaSet, vaCollection, vaBinary };

class TReader : public TFiler {
public:
    ~TReader() override;

    // The kind of the next value, without consuming it.
    virtual TValueType NextValue() = 0;
    virtual void ReadListBegin() = 0;
    // True when the current list has no more values.
    virtual bool EndOfList() = 0;
    virtual void ReadListEnd() = 0;
    // Each raises EReadError when the next value is of another kind.
    virtual std::string ReadString() = 0;
    virtual int64_t ReadInteger() = 0;
    virtual double ReadFloat() = 0;
    virtual bool ReadBoolean() = 0;
    virtual std::string ReadIdent() = 0;
    virtual std::vector<uint8_t> ReadBinary() = 0;
    // The component the resource being read belongs to (the form).
    virtual TComponent* Root() const = 0;
};

}  // namespace rt
