#pragma once
// Shell verbs ("open" a document, a folder, a web address or a program). By
// default a program file is started itself and anything else is handed to
// xdg-open; both run detached, so the caller never waits for them. Tests and
// hosts replace the default with their own handler.

#include <functional>
#include <string>

namespace rt {

inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;

// Results at or below 32 are errors, as in the original.
inline constexpr int SE_ERR_FNF = 2;
inline constexpr int SE_ERR_PNF = 3;
inline constexpr int SE_ERR_OOM = 8;
inline constexpr int SE_ERR_NOASSOC = 31;
inline constexpr int ShellExecuteSucceeded = 42;

struct TShellExecuteRequest {
    std::string Verb;
    std::string File;
    std::string Parameters;
    std::string Directory;
    int ShowCmd = SW_SHOWNORMAL;
};

using TShellExecuteHandler = std::function<int(const TShellExecuteRequest&)>;

// Installs `handler` (an empty one restores the default) and returns the one it replaces.
TShellExecuteHandler SetShellExecuteHandler(TShellExecuteHandler handler);

int ShellExecute(const std::string& verb, const std::string& file, const std::string& parameters,
                 const std::string& directory, int showCmd = SW_SHOWNORMAL);

// The default handler, callable directly.
int LaunchDetached(const TShellExecuteRequest& request);

}  // namespace rt
