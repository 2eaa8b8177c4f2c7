#include "platform/classes/TObject.h"

namespace rt {

TObject::~TObject() = default;

TClass TObject::StaticClass() {
    static const TMetaClass meta("TObject", nullptr, nullptr, nullptr);
    return &meta;
}

}  // namespace rt
