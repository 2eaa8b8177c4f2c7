#include "outside/nvdownload/TZipExtractor.h"

#include "outside/nvdownload/TReplacingFile.h"

#include <zip.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

namespace nvdownload {

namespace {

namespace fs = std::filesystem;

using TArchive = std::unique_ptr<zip_t, void (*)(zip_t*)>;
using TEntry = std::unique_ptr<zip_file_t, int (*)(zip_file_t*)>;

// The extended timestamp field: the modification time to the second, where
// the entry's own time is in two-second steps.
constexpr zip_uint16_t kExtendedTimestamp = 0x5455;

struct TEntryInfo {
    zip_uint64_t index = 0;
    std::string name;  // with "/" separators
    int64_t size = 0;
    std::optional<std::time_t> modified;
};

void Discard(zip_t* archive) { zip_discard(archive); }

TArchive Open(const std::string& zipFile) {
    int code = 0;
    zip_t* archive = zip_open(zipFile.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
    if (archive == nullptr) {
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        std::string reason = std::string("Cannot open ") + zipFile + ": " + zip_error_strerror(&error);
        zip_error_fini(&error);
        throw std::runtime_error(reason);
    }
    return TArchive(archive, &Discard);
}

std::string Normalized(std::string name) {
    std::replace(name.begin(), name.end(), '\\', '/');
    return name;
}

bool IsLink(zip_t* archive, zip_uint64_t index) {
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(archive, index, 0, &system, &attributes) != 0) return false;
    return system == ZIP_OPSYS_UNIX && ((attributes >> 16) & S_IFMT) == S_IFLNK;
}

std::optional<std::time_t> Modified(zip_t* archive, zip_uint64_t index, const zip_stat_t& stat) {
    zip_uint16_t length = 0;
    const zip_uint8_t* field =
        zip_file_extra_field_get_by_id(archive, index, kExtendedTimestamp, 0, &length, ZIP_FL_CENTRAL);
    if (field != nullptr && length >= 5 && (field[0] & 1) != 0) {
        const uint32_t seconds = field[1] | (field[2] << 8) | (field[3] << 16) | (static_cast<uint32_t>(field[4]) << 24);
        return static_cast<std::time_t>(static_cast<int32_t>(seconds));
    }
    if ((stat.valid & ZIP_STAT_MTIME) != 0) return stat.mtime;
    return std::nullopt;
}

// Every entry, checked before anything is written.
std::vector<TEntryInfo> CheckedEntries(zip_t* archive) {
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    if (count > TZipExtractor::kMaxEntries) {
        throw std::runtime_error("The archive holds " + std::to_string(count) + " entries, more than " +
                                 std::to_string(TZipExtractor::kMaxEntries));
    }
    std::vector<TEntryInfo> entries;
    int64_t total = 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        const auto index = static_cast<zip_uint64_t>(i);
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat_index(archive, index, ZIP_FL_ENC_GUESS, &stat) != 0 || (stat.valid & ZIP_STAT_NAME) == 0)
            throw std::runtime_error(std::string("Bad entry in archive: ") + zip_strerror(archive));
        const std::string name = stat.name;
        if (!TZipExtractor::IsSafeEntryName(name)) throw std::runtime_error("Entry leaves the target folder: " + name);
        if (IsLink(archive, index)) throw std::runtime_error("Entry is a link: " + name);
        if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) != 0 && stat.encryption_method != ZIP_EM_NONE)
            throw std::runtime_error("Entry is encrypted: " + name);
        const auto size = static_cast<int64_t>((stat.valid & ZIP_STAT_SIZE) != 0 ? stat.size : 0);
        if (size > TZipExtractor::kMaxEntryBytes || size < 0) {
            throw std::runtime_error("Entry " + name + " claims " + std::to_string(stat.size) + " bytes, more than " +
                                     std::to_string(TZipExtractor::kMaxEntryBytes));
        }
        total += size;
        if (total > TZipExtractor::kMaxTotalBytes)
            throw std::runtime_error("The archive unpacks to more than " + std::to_string(TZipExtractor::kMaxTotalBytes) + " bytes");
        entries.push_back({index, Normalized(name), size, Modified(archive, index, stat)});
    }
    return entries;
}

// Refuses a folder inside the target that is a link: writing below it would
// write wherever it points.
void CheckNoLinkBelow(const fs::path& folder, const std::string& name) {
    fs::path path = folder;
    const fs::path relative = fs::path(name).parent_path();
    for (const fs::path& part : relative) {
        path /= part;
        std::error_code error;
        if (fs::is_symlink(fs::symlink_status(path, error))) throw std::runtime_error("Entry goes through a link: " + name);
    }
}

std::unique_ptr<TReplacingFile> Unpacked(zip_t* archive, const TEntryInfo& info, const fs::path& target) {
    TEntry entry(zip_fopen_index(archive, info.index, 0), &zip_fclose);
    if (!entry) throw std::runtime_error("Cannot read " + info.name + ": " + zip_strerror(archive));
    auto file = std::make_unique<TReplacingFile>(target.string());
    std::vector<char> buffer(64 * 1024);
    int64_t written = 0;
    for (zip_int64_t got; (got = zip_fread(entry.get(), buffer.data(), buffer.size())) != 0;) {
        if (got < 0) throw std::runtime_error("Cannot unpack " + info.name + ": " + zip_file_strerror(entry.get()));
        written += got;
        // The entry's own size was checked; an entry that yields more lies about it.
        if (written > info.size) throw std::runtime_error("Entry " + info.name + " holds more than it claims");
        file->Write(buffer.data(), static_cast<size_t>(got));
    }
    file->Finish();
    if (info.modified) file->SetModified(*info.modified);
    return file;
}

}  // namespace

bool TZipExtractor::IsSafeEntryName(const std::string& name) {
    const std::string normalized = Normalized(name);
    if (normalized.empty() || normalized.front() == '/' || normalized.find(':') != std::string::npos) return false;
    size_t start = 0;
    while (start <= normalized.size()) {
        size_t end = normalized.find('/', start);
        if (end == std::string::npos) end = normalized.size();
        if (normalized.compare(start, end - start, "..") == 0 && end - start == 2) return false;
        start = end + 1;
    }
    return true;
}

int TZipExtractor::Extract(const std::string& zipFile, const std::string& targetFolder) {
    if (targetFolder.empty()) throw std::runtime_error("No target folder given");
    TArchive archive = Open(zipFile);
    const std::vector<TEntryInfo> entries = CheckedEntries(archive.get());
    const fs::path folder(targetFolder);
    for (const TEntryInfo& entry : entries) CheckNoLinkBelow(folder, entry.name);
    fs::create_directories(folder);
    std::vector<std::unique_ptr<TReplacingFile>> files;
    for (const TEntryInfo& entry : entries) {
        const fs::path target = folder / entry.name;
        if (entry.name.back() == '/') {
            fs::create_directories(target);
            continue;
        }
        fs::create_directories(target.parent_path());
        files.push_back(Unpacked(archive.get(), entry, target));
    }
    for (const auto& file : files) file->Commit();
    return static_cast<int>(files.size());
}

}  // namespace nvdownload
