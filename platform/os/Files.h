#pragma once
// File services. Failures are reported by the result (false) rather than
// raised, as the original functions do, except where noted.

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
void WriteFileAtomically(const std::string& fileName, const std::string& bytes);

// Reads the whole file into `bytes`; false (and `bytes` unchanged) when it cannot be read.
bool ReadFileToString(const std::string& fileName, std::string& bytes);

}  // namespace rt
