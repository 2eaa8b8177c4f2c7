#pragma once
// Condition arrays shaped like the age-distribution form's: environment
// 1..14, captions and values 1..16, texts in code page 936 as the forms send them.

#include "platform/core/Variant.h"

namespace outside_test {

rt::Variant Cp936(const char* text);
rt::Variant HemrConditions(int rows = 16);

}  // namespace outside_test
