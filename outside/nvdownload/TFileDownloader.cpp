#include "outside/nvdownload/TFileDownloader.h"

#include "outside/nvdownload/TReplacingFile.h"
#include "platform/os/Sha256.h"

#include <curl/curl.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <sstream>
#include <stdexcept>

namespace nvdownload {

namespace {

namespace fs = std::filesystem;

constexpr const char* kDigestSuffix = ".sha256";
// A digest file holds the digest and perhaps the file's name, nothing more.
constexpr int64_t kMaxDigestBytes = 1024;

// Receives the bytes of one transfer; raising stops the transfer.
using TSink = std::function<void(const char* data, size_t size)>;

struct TTransfer {
    TSink sink;
    int64_t limit = 0;
    int64_t received = 0;
    std::string failure;
};

bool HasScheme(const std::string& source) {
    const size_t colon = source.find("://");
    if (colon == std::string::npos || colon == 0) return false;
    return std::all_of(source.begin(), source.begin() + static_cast<std::ptrdiff_t>(colon),
                       [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; });
}

bool SameIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::string PercentEncoded(const std::string& path) {
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : path) {
        if (std::isalnum(c) || c == '/' || c == '-' || c == '_' || c == '.' || c == '~') {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}

size_t WriteChunk(char* data, size_t size, size_t count, void* user) {
    auto* transfer = static_cast<TTransfer*>(user);
    const size_t bytes = size * count;
    try {
        transfer->received += static_cast<int64_t>(bytes);
        if (transfer->received > transfer->limit)
            throw std::runtime_error("Larger than the limit of " + std::to_string(transfer->limit) + " bytes");
        transfer->sink(data, bytes);
        return bytes;
    } catch (const std::exception& e) {
        transfer->failure = e.what();
        return 0;  // tells libcurl to stop with a write error
    }
}

void InitCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// Fetches `source` into `sink`, at most `limit` bytes; raises with the reason.
void Fetch(const std::string& source, const TSink& sink, int64_t limit, long timeoutSeconds) {
    InitCurlOnce();
    std::unique_ptr<CURL, void (*)(CURL*)> curl(curl_easy_init(), curl_easy_cleanup);
    if (!curl) throw std::runtime_error("Cannot start a transfer");
    TTransfer transfer{sink, limit, 0, {}};
    char error[CURL_ERROR_SIZE] = {};
    const std::string url = TFileDownloader::SourceUrl(source);
    CURL* c = curl.get();
    curl_easy_setopt(c, CURLOPT_URL, url.c_str());
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, &WriteChunk);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, error);
    curl_easy_setopt(c, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(c, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "file,http,https");
    curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    // A size the server announces beforehand is refused before any byte.
    curl_easy_setopt(c, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limit));
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, TFileDownloader::kConnectSeconds);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, TFileDownloader::kStallSeconds);
    if (timeoutSeconds > 0) curl_easy_setopt(c, CURLOPT_TIMEOUT, timeoutSeconds);
    const CURLcode result = curl_easy_perform(c);
    if (result == CURLE_OK) return;
    std::string reason = !transfer.failure.empty() ? transfer.failure
                         : error[0] != '\0'        ? std::string(error)
                                                   : std::string(curl_easy_strerror(result));
    if (result == CURLE_FILESIZE_EXCEEDED) reason = "Larger than the limit of " + std::to_string(limit) + " bytes";
    throw std::runtime_error(reason + " (" + source + ")");
}

}  // namespace

std::string TFileDownloader::FindIgnoringCase(const std::string& path) {
    std::error_code error;
    if (path.empty() || fs::exists(path, error)) return path;
    fs::path found = fs::path(path).is_absolute() ? fs::path("/") : fs::path(".");
    for (const fs::path& part : fs::path(path).relative_path()) {
        fs::path exact = found / part;
        if (fs::exists(exact, error)) {
            found = exact;
            continue;
        }
        bool matched = false;
        for (const fs::directory_entry& entry : fs::directory_iterator(found, error)) {
            if (SameIgnoringCase(entry.path().filename().string(), part.string())) {
                found = entry.path();
                matched = true;
                break;
            }
        }
        if (!matched) return path;
    }
    return found.string();
}

std::string TFileDownloader::SourceUrl(const std::string& source) {
    if (HasScheme(source)) return source;
    std::string path = source;
    std::replace(path.begin(), path.end(), '\\', '/');
    path = fs::absolute(FindIgnoringCase(path)).lexically_normal().string();
    return "file://" + PercentEncoded(path);
}

std::string TFileDownloader::PublishedDigest(const std::string& source, long timeoutSeconds) {
    std::string text;
    try {
        Fetch(source + kDigestSuffix, [&](const char* data, size_t size) { text.append(data, size); },
              kMaxDigestBytes, timeoutSeconds);
    } catch (const std::exception& e) {
        throw std::runtime_error(std::string("No published digest: ") + e.what());
    }
    std::istringstream words(text);
    std::string digest;
    words >> digest;
    if (!rt::TSha256::IsHexDigest(digest)) throw std::runtime_error("The published digest is unreadable (" + source + ")");
    std::transform(digest.begin(), digest.end(), digest.begin(),
                   [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
    return digest;
}

void TFileDownloader::Download(const std::string& source, const std::string& target, long timeoutSeconds) {
    if (source.empty()) throw std::runtime_error("No source file given");
    if (target.empty()) throw std::runtime_error("No target file given");
    const std::string expected = PublishedDigest(source, timeoutSeconds);
    TReplacingFile file(target);
    rt::TSha256 digest;
    Fetch(source,
          [&](const char* data, size_t size) {
              file.Write(data, size);
              digest.Update(data, size);
          },
          kMaxBytes, timeoutSeconds);
    // A copy cut short or changed on the way never replaces the target.
    if (digest.HexDigest() != expected)
        throw std::runtime_error("The download does not match its published digest (" + source + ")");
    file.Commit();
}

}  // namespace nvdownload
