#pragma once
// Where the server keeps its database and its server libraries.
//
// The executable is told (--home DIR). The in-process library takes the value
// "ServerPath" of HKEY_LOCAL_MACHINE\Software\NVR\Kestrel in the registry file
// named by NVR_REGISTRY (the same value the server configuration reads), and
// when that is missing or empty the environment variable NVR_SERVER_HOME.

#include <string>

namespace appserver {

// The folder, with "/" separators and no trailing separator; raises
// EServerError when neither source names one.
std::string ResolveServerHome();

// The database file inside a server folder.
std::string DatabaseFileIn(const std::string& home);

// The folder the server libraries listed by GetFileList live in.
std::string LibraryFolderIn(const std::string& home);

}  // namespace appserver
