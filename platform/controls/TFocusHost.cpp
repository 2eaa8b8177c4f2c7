#include "platform/controls/TFocusHost.h"

namespace rt {

TFocusHost::~TFocusHost() = default;

}  // namespace rt
