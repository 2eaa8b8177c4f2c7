#pragma once
// File-name helpers. Both "/" and "\" count as separators because paths read
// from configuration written for the original platform use backslashes; the
// functions that add a separator add "/".

#include <string>

namespace rt {

inline constexpr char PathDelim = '/';

bool IsPathDelimiter(char c);

// Everything up to and including the last separator ("" without one).
std::string ExtractFilePath(const std::string& fileName);
// The part after the last separator.
std::string ExtractFileName(const std::string& fileName);
// The extension with its dot, from the last "." of the file name ("" without one).
std::string ExtractFileExt(const std::string& fileName);
// Replaces the extension (or appends `extension` when there is none).
std::string ChangeFileExt(const std::string& fileName, const std::string& extension);
// The folder without its trailing separator; the root stays "/".
std::string ExtractFileDir(const std::string& fileName);

std::string IncludeTrailingPathDelimiter(const std::string& path);
// Drops one trailing separator; the root "/" is kept so it never becomes relative.
std::string ExcludeTrailingPathDelimiter(const std::string& path);

// Backslashes become "/".
std::string ToNativePath(const std::string& path);

// True for a rooted path: a leading separator "/", a drive letter and colon
// ("C:"), or a UNC prefix "\\server\share". A single leading backslash is not a
// drive part: configuration uses it for "relative to the install folder".
bool HasDrivePart(const std::string& path);

}  // namespace rt
