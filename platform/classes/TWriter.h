#pragma once
// The value-level writing a persistent object does in its custom entries
// (DefineProperty callbacks); the form writer implements it.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/classes/TFiler.h"

namespace rt {

class TComponent;

class TWriter : public TFiler {
public:
    ~TWriter() override;

    virtual void WriteListBegin() = 0;
    virtual void WriteListEnd() = 0;
    virtual void WriteString(const std::string& value) = 0;
    virtual void WriteInteger(int64_t value) = 0;
    virtual void WriteFloat(double value) = 0;
    virtual void WriteBoolean(bool value) = 0;
    virtual void WriteIdent(const std::string& ident) = 0;
    virtual void WriteBinary(const std::vector<uint8_t>& data) = 0;
    virtual TComponent* Root() const = 0;
};

}  // namespace rt
