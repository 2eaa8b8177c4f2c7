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
// ignoring case as the server names it) to `target`, after checking it
// against the SHA-256 digest published beside it (`source` + ".sha256"): a
// copy without a digest, not matching it, larger than 256 MiB or cut off is
// refused and `target` is left as it was. `timeout` is the transfer limit in
// seconds ("60"); `flags`, `extra`, `product`, the two counters and `quiet`
// are accepted for the callers' sake and not used.
unsigned char NVDownLoadFileEx(int32_t flags, const char* extra, const char* product, const char* timeout,
                               const char* source, const char* target, int32_t* fileSize, char* message,
                               int32_t* errorCode, unsigned char quiet);

// Unpacks every entry of `zipFile` into `targetFolder`, creating folders as
// needed, each file dated as its entry. The whole call fails before anything
// is written for an entry that leaves the folder (absolute, a drive letter,
// ".." with either separator), is a link or goes through one, and for an
// archive over 1000 entries or 256 MiB in one entry or 512 MiB in all.
// `count` receives the number of files written.
unsigned char UnZipFilesOrDir(const char* zipFile, const char* targetFolder, char* message, int32_t* count);
}
