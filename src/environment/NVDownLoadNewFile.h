#pragma once
// Bringing a local server-side work library up to date before it is loaded:
// the application server names the current file's stamp and folder, and
// NVDownLoad.so compares, downloads the zipped copy into the temporary folder
// and unpacks it next to the local file. The registry value "GoAhead" under
// "Software\PLWK\Velmoran" switches the whole mechanism on.

#include <string>

namespace hemr {

// The two values of an update description, each found as "<Modify>...</Modify>"
// or "Modify = '...'" (and likewise "Path"); missing values are empty.
struct TUpdateDescription {
    std::string Modify;
    std::string Path;
};
TUpdateDescription ParseUpdateDescription(const std::string& text);
// The folder part of a server path, up to and including its last separator.
std::string ServerFolderOf(const std::string& path);

// True when "GoAhead" is "1"; a missing key is logged and counts as off.
bool UpdaterSwitchOn();

// True when the local file is usable (up to date, updated, or the updater is
// off); false after a failure, with the reason in `message`. With
// `interactive`, a failed download or unpack asks the user to retry.
bool UpdateFile(const std::string& modifyStamp, const std::string& serverFolder, const std::string& localPath,
                bool interactive, std::string& message);
bool UpdateFileFromXML(const std::string& description, const std::string& localPath, bool interactive,
                       std::string& message);

// Appends a line to this unit's alert log in the running program's folder.
void WriteDownLoadAlert(const std::string& message);

}  // namespace hemr
