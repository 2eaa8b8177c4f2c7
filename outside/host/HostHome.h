#pragma once
// The installation folder the shell prepares: the registry file naming it
// (and the application server's objects), the client configuration with the
// embedded defaults when none is there yet, the program's server library in
// the server's work-library folder, and the environment pointing the module
// at them.

#include <optional>
#include <string>

namespace host {

// The language of the installation: its interface code page, language packs
// and the ANSI code page of the machine it runs on.
enum class HostLanguage { Chs, Cht, Eng };

// "chs", "cht" or "eng" (ignoring case); false for anything else.
bool ParseHostLanguage(const std::string& text, HostLanguage& language);

// Whether the module brings its local server libraries up to date from the
// application server before loading them (the updater switch in nvr.reg).
enum class LibraryUpdates { On, Off };

class HostHome {
public:
    // `folder` empty: $XDG_DATA_HOME/hemr07, else ~/.local/share/hemr07.
    explicit HostHome(std::string folder, LibraryUpdates updates = LibraryUpdates::On);

    // Prepare then sets up the folder as an installation of `language`:
    // KestrelC.ini's language and code pages and NVR_ACP. Without it the
    // configuration is left as the user has it (Simplified Chinese when new).
    void SetLanguage(HostLanguage language) { language_ = language; }

    static std::string DefaultFolder();

    // Creates the folder and its files (the language packs of the build under
    // "MultiLanguage") and sets NVR_REGISTRY (and NVR_ACP when unset or a
    // language is set); raises std::runtime_error when the folder cannot be written.
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

    // Writes the packs of the build into MultiLanguage/CHT and MultiLanguage/ENG,
    // each file only when its text differs.
    void InstallLanguagePacks() const;
    // Sets the language keys of KestrelC.ini, keeping the rest of the file.
    void ApplyLanguage(HostLanguage language) const;

    // KestrelC.ini's LangType ("CHS" when it names none).
    std::string LangType() const;

    // The registry file's text for this folder.
    std::string RegistryText(const std::string& binFolder) const;

private:
    std::string folder_;
    LibraryUpdates updates_;
    std::optional<HostLanguage> language_;
};

}  // namespace host
