#include "platform/classes/TFiler.h"

namespace rt {

TFiler::~TFiler() = default;

}  // namespace rt
