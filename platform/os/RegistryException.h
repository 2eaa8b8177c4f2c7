#pragma once
// Raised by the registry reader for a value that is missing or of another type
// where the caller needs one, as the original registry class does.

#include "platform/core/Exceptions.h"

namespace rt {

RT_DECLARE_EXCEPTION(ERegistryException, Exception)

}  // namespace rt
