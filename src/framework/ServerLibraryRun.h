#pragma once
// A job run on the client through the program's server library (program code
// + "S", e.g. HEMR07S.so): the library is looked for in the work-library
// folders and brought up to date first, then its server controller runs the
// job once and is released, and the library is freed again.

#include <functional>
#include <string>
#include <vector>

#include "platform/core/Variant.h"

namespace hemr {

class TServerLibraryRun {
public:
    // The update description the session gives for a lower-case file name.
    using FileListSource = std::function<std::string(const std::string& fileName)>;
    // Brings the file at the path up to date; false when it is not usable.
    using UpdateCheck = std::function<bool(const std::string& description, const std::string& path)>;

    TServerLibraryRun(std::vector<std::string> folders, std::string programCode, FileListSource fileList,
                      UpdateCheck updateCheck);

    // The library file to load after its update check, "" when none is usable.
    std::string LocateLibrary() const;
    // Loads the library, runs its controller with `arguments` and releases it
    // in every case. False when the library or its export is missing; a
    // failure of the run reaches the caller as an rt::Exception with its
    // text, after the release.
    bool Run(const rt::Variant& arguments, std::string& releaseMessage) const;

    // True where the library must stay loaded after a run: the one old
    // system ("4.90.73010104") whose loader could not free it safely.
    static bool KeepsLibraryLoaded(const std::string& systemVersion);

private:
    std::string LibraryIn(const std::string& folder) const;
    bool Checked(const std::string& path) const;

    std::vector<std::string> folders_;
    std::string programCode_;
    FileListSource fileList_;
    UpdateCheck updateCheck_;
};

// "major.minor.build" of the running system.
std::string SystemVersionText();

}  // namespace hemr
