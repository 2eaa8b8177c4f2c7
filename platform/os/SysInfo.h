#pragma once
// Facts about the user, the machine and the running program.

#include <string>

namespace rt {

// The login name of the process's user (passwd entry), else $USER, else "".
std::string GetUserName();
// The host name, cut to 15 characters as the original's buffer of 16 allows.
std::string GetComputerName();
// TMPDIR when set, else "/tmp"; always with a trailing "/".
std::string GetTempPath();
// The path with long names: here the path itself when it exists (backslashes
// made native), "" when it does not, as the original fails for missing paths.
std::string GetLongPathName(const std::string& path);
// Full path of the running program.
std::string GetProgramFileName();
// ParamStr(0) is the program's path; ParamStr(i) the i-th argument, "" past the end.
std::string ParamStr(int index);
int ParamCount();
std::string GetCurrentDir();

}  // namespace rt
