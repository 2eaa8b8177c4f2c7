#pragma once
// The event types the toolkit and the module share.

#include <cstdint>

#include "platform/classes/TEnumInfo.h"
#include "platform/classes/TEvent.h"
#include "platform/classes/TSet.h"

namespace rt {

class TObject;

RT_ENUM(TShiftStateFlag, ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble)
using TShiftState = TSet<TShiftStateFlag>;

using TNotifyEvent = TEvent<void(TObject* Sender)>;
using TKeyEvent = TEvent<void(TObject* Sender, uint16_t& Key, TShiftState Shift)>;
using TKeyPressEvent = TEvent<void(TObject* Sender, char& Key)>;
// Veto events: the handler clears the flag to refuse.
using TChangingEvent = TEvent<void(TObject* Sender, bool& AllowChange)>;

}  // namespace rt
