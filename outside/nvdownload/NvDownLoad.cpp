#include "outside/nvdownload/NvDownLoad.h"

#include "outside/nvdownload/TFileDownloader.h"
#include "outside/nvdownload/TStampComparer.h"
#include "outside/nvdownload/TZipExtractor.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <functional>
#include <string>

namespace {

constexpr size_t kMessageSize = 256;

void SetMessage(char* message, const std::string& text) {
    if (message == nullptr) return;
    const size_t length = std::min(text.size(), kMessageSize - 1);
    std::memcpy(message, text.data(), length);
    message[length] = '\0';
}

std::string Text(const char* text) { return text != nullptr ? text : ""; }

long Seconds(const char* text) {
    try {
        return text != nullptr && *text != '\0' ? std::stol(text) : 0;
    } catch (const std::exception&) {
        return 0;
    }
}

// Nothing may escape a C call: every failure becomes the 0 result and its reason.
unsigned char Run(char* message, const std::function<void()>& work) {
    SetMessage(message, "");
    try {
        work();
        return 1;
    } catch (const std::exception& e) {
        SetMessage(message, e.what());
    } catch (...) {
        SetMessage(message, "Unknown failure");
    }
    return 0;
}

}  // namespace

extern "C" {

unsigned char CompareFileToDown(const char* serverStamp, const char* localPath) {
    try {
        return nvdownload::TStampComparer::NeedsDownload(Text(serverStamp), Text(localPath)) ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

unsigned char NVDownLoadFileEx(int32_t, const char*, const char*, const char* timeout, const char* source,
                               const char* target, int32_t* fileSize, char* message, int32_t* errorCode,
                               unsigned char) {
    if (fileSize != nullptr) *fileSize = 0;
    if (errorCode != nullptr) *errorCode = 0;
    const unsigned char ok = Run(message, [&] {
        nvdownload::TFileDownloader::Download(Text(source), Text(target), Seconds(timeout));
    });
    if (!ok && errorCode != nullptr) *errorCode = 1;
    return ok;
}

unsigned char UnZipFilesOrDir(const char* zipFile, const char* targetFolder, char* message, int32_t* count) {
    if (count != nullptr) *count = 0;
    return Run(message, [&] {
        const int written = nvdownload::TZipExtractor::Extract(Text(zipFile), Text(targetFolder));
        if (count != nullptr) *count = written;
    });
}
}
