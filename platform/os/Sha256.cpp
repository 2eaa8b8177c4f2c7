#include "platform/os/Sha256.h"

#include <openssl/evp.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <vector>

#include "platform/core/Exceptions.h"

namespace rt {

struct TSha256::Impl {
    EVP_MD_CTX* context = EVP_MD_CTX_new();
    ~Impl() { EVP_MD_CTX_free(context); }
};

TSha256::TSha256() : impl_(std::make_unique<Impl>()) {
    if (impl_->context == nullptr || EVP_DigestInit_ex(impl_->context, EVP_sha256(), nullptr) != 1)
        throw Exception("Cannot start a SHA-256 digest");
}

TSha256::~TSha256() = default;

void TSha256::Update(const void* data, size_t size) {
    if (size > 0 && EVP_DigestUpdate(impl_->context, data, size) != 1) throw Exception("Cannot compute a SHA-256 digest");
}

std::string TSha256::HexDigest() {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (EVP_DigestFinal_ex(impl_->context, digest, &length) != 1) throw Exception("Cannot compute a SHA-256 digest");
    static const char* hex = "0123456789abcdef";
    std::string text;
    for (unsigned int i = 0; i < length; ++i) {
        text += hex[digest[i] >> 4];
        text += hex[digest[i] & 15];
    }
    return text;
}

std::string TSha256::OfFile(const std::string& fileName) {
    std::FILE* file = std::fopen(fileName.c_str(), "rb");
    if (file == nullptr) throw EOSError("Cannot read " + fileName, static_cast<uint32_t>(errno));
    TSha256 digest;
    std::vector<char> buffer(64 * 1024);
    size_t got = 0;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), file)) > 0) digest.Update(buffer.data(), got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) throw EOSError("Cannot read " + fileName, 0);
    return digest.HexDigest();
}

bool TSha256::IsHexDigest(const std::string& text) {
    if (text.size() != 64) return false;
    for (char c : text)
        if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

}  // namespace rt
