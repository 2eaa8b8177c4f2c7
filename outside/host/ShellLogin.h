#pragma once
// Whom the shell logs in to a network application server as: the scenario's
// user (the first element of its "params", else the default user "796") with
// the password of the variable HEMR07_PASSWORD, else of the file
// "credentials" in the shell's folder, lines "USER PASSWORD", which must be a
// plain file of this user that nobody else may read (mode 0600). The
// in-process server needs no password: it belongs to the owner of its files.

#include <string>

#include <nlohmann/json.hpp>

#include "platform/remote/RemoteCredentials.h"

namespace host {

// Raises std::runtime_error naming a credentials file that others may read
// or that is a link.
rt::RemoteCredentials ShellLogin(const nlohmann::json& scenario, const std::string& homeFolder);

}  // namespace host
