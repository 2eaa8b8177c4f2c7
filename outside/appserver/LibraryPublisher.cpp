#include "outside/appserver/LibraryPublisher.h"

#include <sys/stat.h>
#include <zip.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <mutex>

#include "outside/appserver/ServerError.h"
#include "outside/appserver/ServerHome.h"
#include "platform/core/Exceptions.h"
#include "platform/os/Files.h"
#include "platform/os/Paths.h"
#include "platform/os/Sha256.h"
#include "platform/os/TempFile.h"
#include "platform/sysutils/StrUtils.h"

namespace appserver {

namespace {

constexpr const char* kZipSuffix = ".zip";
constexpr const char* kDigestSuffix = ".sha256";
constexpr const char* kStampSuffix = ".stamp";
// The extended timestamp field keeps the time to the second, where the
// entry's own time is in two-second steps: the client's copy then carries
// exactly the stamp the server announces.
constexpr zip_uint16_t kExtendedTimestamp = 0x5455;

// One process publishes one copy at a time; other processes see each file
// replaced whole.
std::mutex publishing;

std::string Stamp(time_t moment) {
    struct tm parts {};
    localtime_r(&moment, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d%H%M%S", &parts);
    return text;
}

bool IsPlainName(const std::string& name) {
    return !name.empty() && name.find_first_of("/\\") == std::string::npos && name != "." && name != "..";
}

// The file in `folder` a client's name stands for: "x.dll" is the library
// "x.so", and letter case does not matter because the forms ask in lower case.
std::string FileNameIn(const std::string& folder, const std::string& name) {
    std::string wanted = rt::EndsText(".dll", name) ? name.substr(0, name.size() - 4) + ".so" : name;
    if (rt::FileExists(folder + wanted)) return wanted;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ignored)) {
        std::string candidate = entry.path().filename().string();
        if (rt::SameText(candidate, wanted)) return candidate;
    }
    return wanted;
}

bool LibraryStat(const std::string& path, struct stat& info) {
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// What decides whether a copy is current: the library's time and size.
std::string StampRecord(const struct stat& info) {
    return std::to_string(static_cast<long long>(info.st_mtim.tv_sec)) + "." +
           std::to_string(info.st_mtim.tv_nsec) + " " + std::to_string(static_cast<long long>(info.st_size));
}

void Fail(zip_t* archive, const std::string& what) {
    std::string reason = what + ": " + zip_strerror(archive);
    zip_discard(archive);
    throw EServerError(reason);
}

// Writes the archive holding the library as one entry dated like the library.
void WriteZip(const std::string& zipFile, const std::string& library, const std::string& entryName, time_t modified) {
    int code = 0;
    zip_t* archive = zip_open(zipFile.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (archive == nullptr) throw EServerError("Cannot create " + zipFile);
    zip_source_t* source = zip_source_file(archive, library.c_str(), 0, -1);
    if (source == nullptr) Fail(archive, "Cannot read " + library);
    const zip_int64_t index = zip_file_add(archive, entryName.c_str(), source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(source);
        Fail(archive, "Cannot add " + library);
    }
    const auto seconds = static_cast<uint32_t>(modified);
    const zip_uint8_t timestamp[5] = {1, static_cast<zip_uint8_t>(seconds), static_cast<zip_uint8_t>(seconds >> 8),
                                      static_cast<zip_uint8_t>(seconds >> 16), static_cast<zip_uint8_t>(seconds >> 24)};
    const auto entry = static_cast<zip_uint64_t>(index);
    if (zip_file_set_mtime(archive, entry, modified, 0) != 0 ||
        zip_file_extra_field_set(archive, entry, kExtendedTimestamp, ZIP_EXTRA_FIELD_NEW, timestamp, sizeof timestamp,
                                 ZIP_FL_CENTRAL | ZIP_FL_LOCAL) != 0) {
        Fail(archive, "Cannot date " + library);
    }
    if (zip_close(archive) != 0) Fail(archive, "Cannot write " + zipFile);
}

}  // namespace

LibraryPublisher::LibraryPublisher(std::string home, std::string address)
    : home_(std::move(home)), address_(std::move(address)) {}

std::string LibraryPublisher::PublishedFolderIn(const std::string& home) {
    return rt::IncludeTrailingPathDelimiter(home) + "Published/";
}

bool LibraryPublisher::Publish(const std::string& fileName) const {
    const std::string library = LibraryFolderIn(home_) + fileName;
    struct stat info {};
    if (!LibraryStat(library, info)) return false;
    const std::string folder = PublishedFolderIn(home_);
    const std::string zipFile = folder + rt::LowerCase(fileName) + kZipSuffix;
    const std::string record = StampRecord(info);
    std::lock_guard<std::mutex> lock(publishing);
    std::string kept;
    if (rt::ReadFileToString(zipFile + kStampSuffix, kept) && kept == record && rt::FileExists(zipFile) &&
        rt::FileExists(zipFile + kDigestSuffix)) {
        return true;
    }
    if (!rt::ForceDirectories(folder)) throw EServerError("Cannot create the folder " + folder);
    // Written under a name of its own and renamed, so that no reader sees half a copy.
    const rt::TTemporaryFile part(folder, "." + rt::ExtractFileName(zipFile) + ".part-", "");
    WriteZip(part.Path(), library, fileName, info.st_mtim.tv_sec);
    const std::string digest = rt::TSha256::OfFile(part.Path());
    if (std::rename(part.Path().c_str(), zipFile.c_str()) != 0) throw EServerError("Cannot publish " + zipFile);
    rt::WriteFileAtomically(zipFile + kDigestSuffix, digest + "  " + rt::ExtractFileName(zipFile) + "\n");
    rt::WriteFileAtomically(zipFile + kStampSuffix, record);
    return true;
}

std::string LibraryPublisher::Describe(const std::string& name) const {
    if (!IsPlainName(name)) throw EServerError("GetFileList takes plain file names, not \"" + name + "\"");
    const std::string element = "<File><Name>" + rt::MarkupEscaped(name) + "</Name>";
    const std::string fileName = FileNameIn(LibraryFolderIn(home_), name);
    struct stat info {};
    if (!LibraryStat(LibraryFolderIn(home_) + fileName, info) || !Publish(fileName))
        return element + "<Size>-1</Size></File>";
    // The client takes the folder part of the path and fetches its own file
    // name there, in lower case, with ".zip".
    const std::string folder = address_.empty() ? PublishedFolderIn(home_) : address_;
    return element + "<Size>" + std::to_string(static_cast<long long>(info.st_size)) + "</Size><Modify>" +
           Stamp(info.st_mtim.tv_sec) + "</Modify><Path>" + rt::MarkupEscaped(folder + fileName) + "</Path></File>";
}

std::string LibraryPublisher::PublishedFile(const std::string& name) const {
    if (!IsPlainName(name)) return "";
    std::string library = name;
    for (const char* suffix : {kDigestSuffix, kZipSuffix})
        if (rt::EndsText(suffix, library)) library.resize(library.size() - std::string(suffix).size());
    if (library == name || library.empty() || !Publish(FileNameIn(LibraryFolderIn(home_), library))) return "";
    const std::string folder = PublishedFolderIn(home_);
    const std::string file = FileNameIn(folder, name);
    return rt::EndsText(kStampSuffix, file) || !rt::FileExists(folder + file) ? "" : folder + file;
}

}  // namespace appserver
