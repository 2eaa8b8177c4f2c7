#pragma once
// A method pair (code, data): the handler entry and the object it runs on.
// Pairs are plain values: copied, stored, compared and re-assigned freely.

#include "platform/classes/TMethodEntry.h"

namespace rt {

struct TMethod {
    const TMethodEntry* Code = nullptr;
    TObject* Data = nullptr;

    bool Assigned() const { return Code != nullptr; }
    friend bool operator==(const TMethod& a, const TMethod& b) { return a.Code == b.Code && a.Data == b.Data; }
};

}  // namespace rt
