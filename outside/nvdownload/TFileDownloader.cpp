#include "outside/nvdownload/TFileDownloader.h"

#include "outside/nvdownload/TReplacingFile.h"

#include <curl/curl.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <memory>
#include <mutex>
#include <stdexcept>

namespace nvdownload {

namespace {

namespace fs = std::filesystem;

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

size_t WriteChunk(char* data, size_t size, size_t count, void* file) {
    try {
        static_cast<TReplacingFile*>(file)->Write(data, size * count);
        return size * count;
    } catch (const std::exception&) {
        return 0;  // tells libcurl to stop with a write error
    }
}

void InitCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
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

void TFileDownloader::Download(const std::string& source, const std::string& target, long timeoutSeconds) {
    if (source.empty()) throw std::runtime_error("No source file given");
    if (target.empty()) throw std::runtime_error("No target file given");
    InitCurlOnce();
    std::unique_ptr<CURL, void (*)(CURL*)> curl(curl_easy_init(), curl_easy_cleanup);
    if (!curl) throw std::runtime_error("Cannot start a transfer");
    TReplacingFile file(target);
    char error[CURL_ERROR_SIZE] = {};
    const std::string url = SourceUrl(source);
    curl_easy_setopt(curl.get(), CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl.get(), CURLOPT_WRITEFUNCTION, &WriteChunk);
    curl_easy_setopt(curl.get(), CURLOPT_WRITEDATA, &file);
    curl_easy_setopt(curl.get(), CURLOPT_ERRORBUFFER, error);
    curl_easy_setopt(curl.get(), CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(curl.get(), CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl.get(), CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl.get(), CURLOPT_PROTOCOLS_STR, "file,http,https");
    curl_easy_setopt(curl.get(), CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    if (timeoutSeconds > 0) curl_easy_setopt(curl.get(), CURLOPT_TIMEOUT, timeoutSeconds);
    const CURLcode result = curl_easy_perform(curl.get());
    if (result != CURLE_OK) {
        throw std::runtime_error(std::string(error[0] != '\0' ? error : curl_easy_strerror(result)) + " (" + source +
                                 ")");
    }
    file.Commit();
}

}  // namespace nvdownload
