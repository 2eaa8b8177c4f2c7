#pragma once
// SHA-256 digests as lower-case hex text, fed in pieces or read from a file:
// what a publisher writes beside a file and a downloader checks it against.

#include <cstddef>
#include <memory>
#include <string>

namespace rt {

class TSha256 {
public:
    TSha256();
    ~TSha256();
    TSha256(const TSha256&) = delete;
    TSha256& operator=(const TSha256&) = delete;

    void Update(const void* data, size_t size);
    // The digest of everything fed so far (64 hex digits); ends the feeding.
    std::string HexDigest();

    // The digest of a whole file; raises EOSError when it cannot be read.
    static std::string OfFile(const std::string& fileName);
    // True for 64 hex digits in either case.
    static bool IsHexDigest(const std::string& text);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace rt
