#pragma once
// The configuration unit: the client object TKestrelIniC (KestrelC.ini), the
// server object TKestrelIniS (KestrelS.ini) and the path rule they share.
// Create an object, read the fields needed and drop it; every new object reads
// the registry and the INI file again.

#include "src/environment/KestrelIniC.h"
#include "src/environment/KestrelIniS.h"

#include <string>

namespace hemr {

// `path` as a folder below `base`: unchanged when it has a drive part (a
// leading "/", a drive letter and colon, or a UNC prefix); `base` + the rest
// when it starts with "\"; `base` + `path` otherwise.
std::string ResolvePath(const std::string& path, const std::string& base);

}  // namespace hemr
