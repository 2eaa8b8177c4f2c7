#pragma once
// Zip archives built for a test with libzip, and small file helpers.

#include <sys/stat.h>
#include <zip.h>

#include <cstdint>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>

#include "platform/os/Sha256.h"

namespace outside_test {

// Writes an archive holding `entries` (name -> bytes); throws when libzip fails.
inline void WriteZip(const std::string& file, const std::map<std::string, std::string>& entries) {
    int code = 0;
    zip_t* archive = zip_open(file.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (archive == nullptr) throw std::runtime_error("cannot create " + file);
    for (const auto& [name, bytes] : entries) {
        zip_source_t* source = zip_source_buffer(archive, bytes.data(), bytes.size(), 0);
        if (source == nullptr || zip_file_add(archive, name.c_str(), source, ZIP_FL_OVERWRITE) < 0) {
            zip_source_free(source);
            zip_discard(archive);
            throw std::runtime_error("cannot add " + name);
        }
    }
    // The buffers must live until the archive is written, which happens here.
    if (zip_close(archive) != 0) throw std::runtime_error("cannot write " + file);
}

// Writes the digest a publisher puts beside `file` ("x.zip.sha256").
inline void PublishDigest(const std::string& file) {
    std::ofstream(file + ".sha256", std::ios::binary) << rt::TSha256::OfFile(file) << "  x.zip\n";
}

// An archive of `count` empty entries.
inline void WriteZipOfEntries(const std::string& file, int count) {
    int code = 0;
    zip_t* archive = zip_open(file.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (archive == nullptr) throw std::runtime_error("cannot create " + file);
    for (int i = 0; i < count; ++i) {
        zip_source_t* source = zip_source_buffer(archive, "", 0, 0);
        if (zip_file_add(archive, ("f" + std::to_string(i)).c_str(), source, 0) < 0) {
            zip_source_free(source);
            zip_discard(archive);
            throw std::runtime_error("cannot add an entry");
        }
    }
    if (zip_close(archive) != 0) throw std::runtime_error("cannot write " + file);
}

// An archive whose one entry is a symbolic link named `name` to `target`.
inline void WriteLinkZip(const std::string& file, const std::string& name, const std::string& target) {
    WriteZip(file, {{name, target}});
    zip_t* archive = zip_open(file.c_str(), 0, nullptr);
    if (archive == nullptr || zip_file_set_external_attributes(archive, 0, 0, ZIP_OPSYS_UNIX,
                                                               static_cast<zip_uint32_t>(S_IFLNK | 0777) << 16) != 0 ||
        zip_close(archive) != 0) {
        throw std::runtime_error("cannot mark a link in " + file);
    }
}

// A small archive whose one stored entry claims `claimed` bytes (in the
// 64-bit size fields), built by hand because no writer would make it.
inline void WriteClaimingZip(const std::string& file, const std::string& name, uint64_t claimed) {
    std::string out;
    auto put = [&out](uint64_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xff);
    };
    const std::string data = "tiny";
    auto zip64Sizes = [&] {
        put(0x0001, 2);
        put(16, 2);
        put(claimed, 8);
        put(data.size(), 8);
    };
    put(0x04034b50, 4);  // local header
    put(45, 2), put(0, 2), put(0, 2), put(0, 2), put(0x21, 2), put(0, 4);
    put(0xffffffff, 4), put(0xffffffff, 4), put(name.size(), 2), put(20, 2);
    out += name;
    zip64Sizes();
    out += data;
    const size_t central = out.size();
    put(0x02014b50, 4);  // central header
    put(45, 2), put(45, 2), put(0, 2), put(0, 2), put(0, 2), put(0x21, 2), put(0, 4);
    put(0xffffffff, 4), put(0xffffffff, 4), put(name.size(), 2), put(20, 2), put(0, 2);
    put(0, 2), put(0, 2), put(0, 4), put(0, 4);
    out += name;
    zip64Sizes();
    const size_t centralSize = out.size() - central;
    put(0x06054b50, 4);  // end of central directory
    put(0, 2), put(0, 2), put(1, 2), put(1, 2), put(centralSize, 4), put(central, 4), put(0, 2);
    std::ofstream(file, std::ios::binary) << out;
}

inline std::string ReadFile(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

inline void WriteFile(const std::string& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

}  // namespace outside_test
