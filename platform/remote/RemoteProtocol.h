#pragma once
// The wire form of late-bound calls between a remote connection and the
// application server (JSON over HTTP POST, values in the lossless variant
// JSON of VariantJson.h):
//
//   POST /connect    {"server": PROGID, "user": CODE, "password": TEXT}
//                                                          -> {"id": SESSION}
//                    (a wrong login: HTTP 401; SESSION is the secret every
//                    later call carries)
//   POST /invoke     {"id": SESSION, "object": N (0 = the server object),
//                     "name": NAME, "kind": "method" | "get" | "put",
//                     "args": [V...], "refs": [index...]}
//                    -> {"result": V, "out": [[index, V]...]}
//                       an object result is {"object": N}, callable as "object" N
//   POST /disconnect {"id": SESSION}                       -> {}
//   any failure      -> {"error": {"class": CLASS, "message": TEXT, "code": N}}
// "refs" names the by-reference arguments; only those come back in "out".
// Malformed requests are answered with HTTP status 400 and change nothing;
// an unknown session with 404; an exception of the server object with 200 and
// the error body, so the caller re-raises it as EOleException.

#include <cstdint>
#include <string>

#include <nlohmann/json.hpp>

#include "platform/automation/Dispatch.h"

namespace rt {

std::string InvokeKindName(InvokeKind kind);
// Raises EConvertError for a name that is no kind.
InvokeKind InvokeKindFromName(const std::string& name);

nlohmann::json RemoteErrorJson(const std::string& className, const std::string& message, int32_t code);
// Raises EOleException with the server's message, code and class (as source)
// when `reply` is an error answer; does nothing otherwise.
void RaiseIfRemoteError(const nlohmann::json& reply);

}  // namespace rt
