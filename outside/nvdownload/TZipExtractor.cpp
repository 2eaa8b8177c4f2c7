#include "outside/nvdownload/TZipExtractor.h"

#include "outside/nvdownload/TReplacingFile.h"

#include <zip.h>

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <vector>

namespace nvdownload {

namespace {

namespace fs = std::filesystem;

using TArchive = std::unique_ptr<zip_t, void (*)(zip_t*)>;
using TEntry = std::unique_ptr<zip_file_t, int (*)(zip_file_t*)>;

void Discard(zip_t* archive) { zip_discard(archive); }

TArchive Open(const std::string& zipFile) {
    int code = 0;
    zip_t* archive = zip_open(zipFile.c_str(), ZIP_RDONLY, &code);
    if (archive == nullptr) {
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        std::string reason = std::string("Cannot open ") + zipFile + ": " + zip_error_strerror(&error);
        zip_error_fini(&error);
        throw std::runtime_error(reason);
    }
    return TArchive(archive, &Discard);
}

std::string EntryName(zip_t* archive, zip_uint64_t index) {
    const char* name = zip_get_name(archive, index, ZIP_FL_ENC_GUESS);
    if (name == nullptr) throw std::runtime_error(std::string("Bad entry in archive: ") + zip_strerror(archive));
    return name;
}

void ExtractFile(zip_t* archive, zip_uint64_t index, const fs::path& target) {
    TEntry entry(zip_fopen_index(archive, index, 0), &zip_fclose);
    if (!entry) throw std::runtime_error("Cannot read " + target.filename().string() + ": " + zip_strerror(archive));
    fs::create_directories(target.parent_path());
    TReplacingFile file(target.string());
    std::vector<char> buffer(64 * 1024);
    for (zip_int64_t got; (got = zip_fread(entry.get(), buffer.data(), buffer.size())) != 0;) {
        if (got < 0) {
            throw std::runtime_error("Cannot unpack " + target.filename().string() + ": " +
                                     zip_file_strerror(entry.get()));
        }
        file.Write(buffer.data(), static_cast<size_t>(got));
    }
    file.Commit();
}

}  // namespace

bool TZipExtractor::IsSafeEntryName(const std::string& name) {
    if (name.empty() || name.front() == '/' || name.front() == '\\' || name.find(':') != std::string::npos) {
        return false;
    }
    for (const fs::path& part : fs::path(name)) {
        if (part == "..") return false;
    }
    return name.find("\\..") == std::string::npos && name.rfind("..\\", 0) == std::string::npos;
}

int TZipExtractor::Extract(const std::string& zipFile, const std::string& targetFolder) {
    if (targetFolder.empty()) throw std::runtime_error("No target folder given");
    TArchive archive = Open(zipFile);
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    std::vector<std::string> names;
    for (zip_int64_t i = 0; i < count; ++i) {
        names.push_back(EntryName(archive.get(), static_cast<zip_uint64_t>(i)));
        if (!IsSafeEntryName(names.back())) throw std::runtime_error("Entry leaves the target folder: " + names.back());
    }
    const fs::path folder(targetFolder);
    fs::create_directories(folder);
    int written = 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        const std::string& name = names[static_cast<size_t>(i)];
        if (name.back() == '/') {
            fs::create_directories(folder / name);
            continue;
        }
        ExtractFile(archive.get(), static_cast<zip_uint64_t>(i), folder / name);
        ++written;
    }
    return written;
}

}  // namespace nvdownload
