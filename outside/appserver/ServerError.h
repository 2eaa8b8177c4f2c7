#pragma once
// Refusals of the server objects (bad arguments, unknown names). Not an
// automation error itself, so the automation layer carries it to the caller
// as EOleException with this message, in-process and remote alike.

#include "platform/core/Exceptions.h"

namespace appserver {

using rt::Exception;
RT_DECLARE_EXCEPTION(EServerError, Exception)

}  // namespace appserver
