#pragma once
// Enumerations and event types of the list view.

#include <cstdint>
#include <string>

#include "platform/classes/Events.h"
#include "platform/classes/TEnumInfo.h"
#include "platform/classes/TSet.h"

namespace rt {

class TListItem;
class TListColumn;

RT_ENUM(TViewStyle, vsIcon, vsSmallIcon, vsList, vsReport)
RT_ENUM(TSortType, stNone, stData, stText, stBoth)
RT_ENUM(TItemStateFlag, isNone, isCut, isDropHilited, isFocused, isSelected, isActivating)
using TItemStates = TSet<TItemStateFlag>;
RT_ENUM(TSearchDirection, sdLeft, sdRight, sdAbove, sdBelow, sdAll)
RT_ENUM(TItemChange, ctText, ctImage, ctState)
RT_ENUM(TIconArrangement, iaTop, iaLeft)

using TLVCompareEvent = TEvent<void(TObject* Sender, TListItem* Item1, TListItem* Item2, int Data, int& Compare)>;
using TLVEditingEvent = TEvent<void(TObject* Sender, TListItem* Item, bool& AllowEdit)>;
// The handler may change S; setting it back to the item's caption refuses the edit.
using TLVEditedEvent = TEvent<void(TObject* Sender, TListItem* Item, std::string& S)>;
using TLVSelectItemEvent = TEvent<void(TObject* Sender, TListItem* Item, bool Selected)>;
using TLVColumnClickEvent = TEvent<void(TObject* Sender, TListColumn* Column)>;
using TLVDeletedEvent = TEvent<void(TObject* Sender, TListItem* Item)>;
using TLVChangeEvent = TEvent<void(TObject* Sender, TListItem* Item, TItemChange Change)>;
using TLVChangingEvent = TEvent<void(TObject* Sender, TListItem* Item, TItemChange Change, bool& AllowChange)>;

}  // namespace rt
