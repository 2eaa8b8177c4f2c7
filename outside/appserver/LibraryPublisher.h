#pragma once
// The zipped copies of the server libraries in the server's work-library
// folder (S_PKG), which clients fetch to bring their local copies up to date.
//
// Each library "X.so" is published in the folder "Published" beside S_PKG as
// "x.so.zip" (one entry "X.so" carrying the library's modification time),
// with its SHA-256 digest in "x.so.zip.sha256" and the stamp of the library it
// was made from in "x.so.zip.stamp". A copy is made again whenever the
// library's stamp changes, so a new build dropped into S_PKG is published on
// the next question about it, without a restart.
//
// Clients find the copies in the folder itself (the embedded default) or
// under the HTTP address the network server serves them at.

#include <string>

namespace appserver {

class LibraryPublisher {
public:
    // `address` empty: the copies are reached in their folder; else the
    // address of that folder on the network server ("http://host:port/packages/").
    LibraryPublisher(std::string home, std::string address);

    // The GetFileList element for one name (see SessionManager.h); raises
    // EServerError for a name with a folder part.
    std::string Describe(const std::string& name) const;
    // The published zip or digest file of that name (found ignoring case),
    // brought up to date first; "" when there is none.
    std::string PublishedFile(const std::string& name) const;

    // Where the network server serves the copies.
    static constexpr const char* kRoute = "/packages/";
    static std::string PublishedFolderIn(const std::string& home);

private:
    // Makes the zipped copy of the library `fileName` in S_PKG unless the one
    // there is of the library's current stamp; false when there is no such library.
    bool Publish(const std::string& fileName) const;

    std::string home_;
    std::string address_;
};

}  // namespace appserver
