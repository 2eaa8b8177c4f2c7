#include "src/environment/NVDownLoadNewFileLibrary.h"

#include "platform/core/Exceptions.h"

#include <cstring>

namespace hemr {

namespace {

constexpr size_t kMessageSize = 256;

void* Lookup(rt::HMODULE module, const char* symbol) {
    return module != 0 ? rt::GetProcAddress(module, symbol) : nullptr;
}

// The buffer up to its first zero byte, never past its end.
std::string MessageText(const char* buffer) { return std::string(buffer, strnlen(buffer, kMessageSize)); }

}  // namespace

TNVDownLoad::TNVDownLoad() : module_(rt::LoadLibrary(kLibraryName)) {
    compareFileToDown_ = reinterpret_cast<TCompare>(Lookup(module_, "CompareFileToDown"));
    downLoadFileEx_ = reinterpret_cast<TDownload>(Lookup(module_, "NVDownLoadFileEx"));
    unZipFilesOrDir_ = reinterpret_cast<TUnZip>(Lookup(module_, "UnZipFilesOrDir"));
    compareFileToDownEx_ = Lookup(module_, "CompareFileToDownEx");
    needDownLoad_ = Lookup(module_, "NeedDownLoad");
    unZipFilesList_ = Lookup(module_, "UnZipFilesList");
    unZipFilesXML_ = Lookup(module_, "UnZipFilesXML");
    getFileList_ = Lookup(module_, "GetFileList");
}

TNVDownLoad::~TNVDownLoad() {
    if (module_ != 0) rt::FreeLibrary(module_);
}

bool TNVDownLoad::CompareFileToDown(const std::string& modifyStamp, const std::string& localPath) const {
    if (compareFileToDown_ == nullptr) throw rt::Exception("function NvDownLoad.CompareFileToDown not found!");
    return compareFileToDown_(modifyStamp.c_str(), localPath.c_str()) != 0;
}

bool TNVDownLoad::NVDownLoadFileEx(const std::string& source, const std::string& target,
                                   std::string& message) const {
    message.clear();
    if (downLoadFileEx_ == nullptr) {
        message = "function NvDownLoad.NVDownLoadFile not found!";
        return false;
    }
    char buffer[kMessageSize] = {};
    int32_t fileSize = 0;
    int32_t errorCode = 0;
    const bool ok = downLoadFileEx_(0, extra_.c_str(), "PLWK", "60", source.c_str(), target.c_str(), &fileSize,
                                    buffer, &errorCode, 0) != 0;
    if (!ok) message = MessageText(buffer);
    return ok;
}

bool TNVDownLoad::UnZipFilesOrDir(const std::string& zipFile, const std::string& targetFolder,
                                  std::string& message) const {
    message.clear();
    if (unZipFilesOrDir_ == nullptr) {
        message = "function NvDownLoad.UnZipFilesOrDir not found!";
        return false;
    }
    char buffer[kMessageSize] = {};
    int32_t count = 0;
    const bool ok = unZipFilesOrDir_(zipFile.c_str(), targetFolder.c_str(), buffer, &count) != 0;
    if (!ok) message = MessageText(buffer);
    return ok;
}

}  // namespace hemr
