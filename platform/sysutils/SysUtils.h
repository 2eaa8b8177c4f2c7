#pragma once
// Convenience header: the whole date, number and string runtime.

#include "platform/sysutils/Clock.h"
#include "platform/sysutils/DateFormat.h"
#include "platform/sysutils/DateTime.h"
#include "platform/sysutils/FloatConv.h"
#include "platform/sysutils/FloatPicture.h"
#include "platform/sysutils/Format.h"
#include "platform/sysutils/FormatArg.h"
#include "platform/sysutils/FormatSettings.h"
#include "platform/sysutils/IntConv.h"
#include "platform/sysutils/StrUtils.h"
