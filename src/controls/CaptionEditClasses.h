#pragma once
// The edits that carry their own caption label, registered together.

namespace hemr {

void RegisterCaptionEditClasses();

}  // namespace hemr
