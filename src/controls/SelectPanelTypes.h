#pragma once
// Enumerations and event types of the selection panel and its list. The
// value names and their order are part of stored forms and of saved values.

#include <string>

#include "platform/classes/Events.h"
#include "platform/classes/TEnumInfo.h"
#include "platform/comctrls/ListViewTypes.h"

namespace hemr {

RT_ENUM(TSelectStyle, sp_Range, sp_Discrete, sp_UserChoice)
RT_ENUM(TValueType, vt_String, vt_Number, vt_Date, vt_Time, vt_Float, vt_OtherMask)
RT_ENUM(TDateType, dt_NoneCare, dt_YYYYMMDD, dt_MMDDYYYY, dt_DDMMYYYY, dt_YYMMDD, dt_YYYMMDD)
RT_ENUM(TCheckDuplicate, cd_None, cd_CheckCase, cd_CaseInsensitive)

// The name of a style as it stands in a saved value ("sp_Range" ...).
inline std::string SelectStyleName(TSelectStyle style) { return EnumInfoOf(static_cast<TSelectStyle*>(nullptr)).NameOf(style); }

// SenderParent is the panel, Sender the edit or list the lookup is for.
using TOpenWinClickEvent = rt::TEvent<void(rt::TObject* SenderParent, rt::TObject* Sender)>;
using TDeleteClickEvent = rt::TEvent<void(rt::TObject* Sender, bool& Accept)>;
using TStyleChangingEvent =
    rt::TEvent<void(rt::TObject* Sender, TSelectStyle NowStyle, TSelectStyle NewStyle, bool& Accept)>;
using TStyleChangeEvent = rt::TEvent<void(rt::TObject* Sender, TSelectStyle OldStyle, TSelectStyle NewStyle)>;
using TListViewSelectItemEvent =
    rt::TEvent<void(rt::TObject* Sender, rt::TListItem* xItem, int xIndex, bool xIsSelect)>;
using TListViewDataChangeEvent = rt::TEvent<void(rt::TObject* Sender, rt::TListItem* Item, rt::TItemChange Change)>;
using TListViewDataChangingEvent =
    rt::TEvent<void(rt::TObject* Sender, rt::TListItem* Item, rt::TItemChange Change, bool& AllowChange)>;

}  // namespace hemr
