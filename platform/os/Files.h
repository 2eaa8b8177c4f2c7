#pragma once
// File services. Failures are reported by the result (false) rather than
// raised, as the original functions do, except where noted.

#include <cstddef>
#include <string>

namespace rt {

// True for an existing file that is not a folder.
bool FileExists(const std::string& fileName);
bool DirectoryExists(const std::string& directory);
// Creates the folder and every missing parent; true when it exists afterwards.
bool ForceDirectories(const std::string& directory);
bool DeleteFile(const std::string& fileName);
// Like the original, refuses to replace an existing target.
bool RenameFile(const std::string& oldName, const std::string& newName);

// Appends `line` and "\n" in one write on a descriptor opened for appending,
// so concurrent writers (threads or processes) never interleave inside a line.
// Creates the file when absent. Never throws.
bool AppendLineToFile(const std::string& fileName, const std::string& line);

// Replaces the file's contents so that readers see either the old or the new
// contents, never a half-written file: a temporary file beside it is written,
// flushed and renamed over it. Raises EOSError (and leaves the old file and no
// temporary file behind) when any step fails.
// The temporary file has an unpredictable name and is created exclusively, so
// that nothing placed there beforehand is written through; a link at the
// target is replaced, not followed.
// `newFileMode`: the permissions when the file is new (-1: as the umask
// allows); a file replaced keeps its own.
void WriteFileAtomically(const std::string& fileName, const std::string& bytes, int newFileMode = -1);

// Writes a file that does not exist yet, whole or not at all, in the same way.
// False, changing nothing, when the name exists already (as a file or a link);
// raises EOSError when a step fails.
bool CreateFileAtomically(const std::string& fileName, const std::string& bytes);

// Reads the whole file into `bytes`; false (and `bytes` unchanged) when it cannot be read.
bool ReadFileToString(const std::string& fileName, std::string& bytes);

// The most a configuration file (INI, registry file) may hold.
constexpr size_t kMaxConfigurationFileSize = 4u << 20;

// Reads a file that must be small, such as a configuration file: false (and
// `bytes` unchanged) when there is none. Raises EInOutError naming the file
// when it is no regular file (a device, a pipe) or holds more than `maxBytes`,
// without reading it or waiting for it.
bool ReadSmallFile(const std::string& fileName, std::string& bytes, size_t maxBytes = kMaxConfigurationFileSize);

}  // namespace rt
