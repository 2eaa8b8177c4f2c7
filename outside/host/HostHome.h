#pragma once
// The installation folder the shell prepares: the registry file naming it
// (and the application server's objects), the client configuration with the
// embedded defaults when none is there yet, the program's server library in
// the server's work-library folder, and the environment pointing the module
// at them.

#include <string>

namespace host {

// Whether the module brings its local server libraries up to date from the
// application server before loading them (the updater switch in nvr.reg).
enum class LibraryUpdates { On, Off };

class HostHome {
public:
    // `folder` empty: $XDG_DATA_HOME/hemr07, else ~/.local/share/hemr07.
    explicit HostHome(std::string folder, LibraryUpdates updates = LibraryUpdates::On);

    static std::string DefaultFolder();

    // Creates the folder and its files and sets NVR_REGISTRY (and NVR_ACP
    // when unset); raises std::runtime_error when the folder cannot be written.
    // `binFolder` holds the libraries registered for the session objects.
    void Prepare(const std::string& binFolder) const;

    const std::string& Folder() const { return folder_; }
    std::string RegistryFile() const { return folder_ + "/nvr.reg"; }
    std::string ServerFolder() const { return folder_ + "/server"; }

    // Copies the program's server library from `binFolder` into the embedded
    // application server's work-library folder "S_PKG", unless the copy there
    // is as new. The client's own copy (KestrelS.ini: "Local/S_PKG") is not
    // installed: the module fetches it from the server.
    void InstallServerLibraries(const std::string& binFolder) const;

    // The registry file's text for this folder.
    std::string RegistryText(const std::string& binFolder) const;

private:
    std::string folder_;
    LibraryUpdates updates_;
};

}  // namespace host
