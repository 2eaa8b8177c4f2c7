#pragma once
// The calls of NVDownLoad.so an update needs, bound by name for one update
// and released with it. A missing library is no error here: the update
// reports each missing call when it needs it.

#include "platform/os/DynLib.h"

#include <cstdint>
#include <string>

namespace hemr {

class TNVDownLoad {
public:
    TNVDownLoad();
    ~TNVDownLoad();
    TNVDownLoad(const TNVDownLoad&) = delete;
    TNVDownLoad& operator=(const TNVDownLoad&) = delete;

    bool Loaded() const { return module_ != 0; }

    // True when the local file must be replaced. Raises rt::Exception
    // "function NvDownLoad.CompareFileToDown not found!" without the call.
    bool CompareFileToDown(const std::string& modifyStamp, const std::string& localPath) const;
    // False with the reason in `message` on failure, also when the call is missing.
    bool NVDownLoadFileEx(const std::string& source, const std::string& target, std::string& message) const;
    bool UnZipFilesOrDir(const std::string& zipFile, const std::string& targetFolder, std::string& message) const;

    static constexpr const char* kLibraryName = "NVDownLoad.dll";

private:
    using TCompare = unsigned char (*)(const char* stamp, const char* localPath);
    using TDownload = unsigned char (*)(int32_t flags, const char* extra, const char* product, const char* timeout,
                                        const char* source, const char* target, int32_t* fileSize, char* message,
                                        int32_t* errorCode, unsigned char quiet);
    using TUnZip = unsigned char (*)(const char* zipFile, const char* folder, char* message, int32_t* count);

    rt::HMODULE module_ = 0;
    TCompare compareFileToDown_ = nullptr;
    TDownload downLoadFileEx_ = nullptr;
    TUnZip unZipFilesOrDir_ = nullptr;
    // Looked up as the library may offer them; updates do not call them.
    void* compareFileToDownEx_ = nullptr;
    void* needDownLoad_ = nullptr;
    void* unZipFilesList_ = nullptr;
    void* unZipFilesXML_ = nullptr;
    void* getFileList_ = nullptr;
    // Always empty; the download call takes it.
    std::string extra_;
};

}  // namespace hemr
