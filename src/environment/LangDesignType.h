#pragma once
// Which installation a component takes its configuration from: the client's
// (ClientPath, KestrelC.ini) or the server's (ServerPath, KestrelS.ini).

#include "platform/classes/TEnumInfo.h"

namespace hemr {

RT_ENUM(TDesignType, dtClient, dtServer)

}  // namespace hemr
