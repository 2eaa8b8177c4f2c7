#pragma once
// The entry points of NVDownLoad.so, resolved by name by its users. Texts are
// zero-terminated; results are 1 for success and 0 for failure, and a failed
// call leaves its reason in `message` (256 bytes, always terminated). No call
// ever leaves a half-written file: each file is written beside its target
// under a temporary name and renamed over the target once complete.

#include <cstdint>

extern "C" {

// 1 when the local file must be replaced: it is missing, or it was last
// modified before `serverStamp` (local time as "YYYY-MM-DD hh:mm:ss",
// "YYYY/MM/DD hh:nn:ss", "YYYYMMDDhhnnss" or "YYYYMMDD"). A stamp that is
// none of these gives 0 for an existing file: nothing proves it outdated.
unsigned char CompareFileToDown(const char* serverStamp, const char* localPath);

// Copies `source` (a file:// or http(s):// URL, or a path, which is found
// ignoring case as the server names it) to `target`. `timeout` is the
// transfer limit in seconds ("60"); `flags`, `extra`, `product`, the two
// counters and `quiet` are accepted for the callers' sake and not used.
unsigned char NVDownLoadFileEx(int32_t flags, const char* extra, const char* product, const char* timeout,
                               const char* source, const char* target, int32_t* fileSize, char* message,
                               int32_t* errorCode, unsigned char quiet);

// Unpacks every entry of `zipFile` into `targetFolder`, creating folders as
// needed. An entry whose name leaves the folder (absolute, or with "..")
// fails the whole call before anything is written. `count` receives the
// number of files written.
unsigned char UnZipFilesOrDir(const char* zipFile, const char* targetFolder, char* message, int32_t* count);
}
