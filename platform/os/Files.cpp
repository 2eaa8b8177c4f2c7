#include "platform/os/Files.h"

#include "platform/core/Exceptions.h"
#include "platform/os/Paths.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <random>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rt {

namespace {

bool StatPath(const std::string& path, struct stat& info) {
    return !path.empty() && ::stat(ToNativePath(path).c_str(), &info) == 0;
}

// Writes everything, retrying after signals and short writes.
bool WriteAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

bool CloseChecked(int fd) {
    return ::close(fd) == 0 || errno == EINTR;
}

// Folder of a native file name for creating and syncing the temporary file.
std::string DirectoryOf(const std::string& nativeName) {
    std::string dir = ExtractFileDir(nativeName);
    return dir.empty() ? std::string(".") : dir;
}

// Permissions for the new contents: the old file's, or the default for new files.
mode_t TargetMode(const std::string& nativeName, int newFileMode) {
    struct stat info;
    // A link's target lends it nothing: the new file replaces the link itself.
    if (::lstat(nativeName.c_str(), &info) == 0 && S_ISREG(info.st_mode)) return info.st_mode & 07777;
    if (newFileMode >= 0) return static_cast<mode_t>(newFileMode);
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void SyncDirectory(const std::string& directory) {
    int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

[[noreturn]] void RaiseWriteFailure(const std::string& step, const std::string& fileName, int error) {
    errno = error;
    throw EOSError::FromLastError("Cannot write \"" + fileName + "\" (" + step + ")");
}

// A name nobody can guess: a file placed there in advance (a link to
// somewhere else) would make the exclusive create fail, never redirect it.
std::string TemporaryNameFor(const std::string& nativeName) {
    static const char* digits = "0123456789abcdef";
    thread_local std::mt19937_64 random{std::random_device{}()};
    std::string suffix;
    for (int i = 0; i < 16; ++i) suffix += digits[random() % 16];
    return nativeName + ".~" + suffix + ".tmp";
}

// Writes `bytes` into a new temporary file beside `native`, created exclusively
// (O_EXCL does not follow a link), flushed and closed; answers its name.
std::string WriteTemporaryBeside(const std::string& native, const std::string& fileName, const std::string& bytes,
                                 int newFileMode = -1) {
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 8; ++attempt) {
        temporary = TemporaryNameFor(native);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) RaiseWriteFailure("create temporary file", fileName, errno);
    const char* failedStep = nullptr;
    if (::fchmod(fd, TargetMode(native, newFileMode)) != 0) failedStep = "set permissions";
    else if (!WriteAll(fd, bytes.data(), bytes.size())) failedStep = "write contents";
    else if (::fsync(fd) != 0) failedStep = "flush contents";
    int error = errno;
    if (!CloseChecked(fd) && !failedStep) {
        failedStep = "close temporary file";
        error = errno;
    }
    if (failedStep) {
        ::unlink(temporary.c_str());
        RaiseWriteFailure(failedStep, fileName, error);
    }
    return temporary;
}

}  // namespace

bool FileExists(const std::string& fileName) {
    struct stat info;
    return StatPath(fileName, info) && !S_ISDIR(info.st_mode);
}

bool DirectoryExists(const std::string& directory) {
    struct stat info;
    return StatPath(directory, info) && S_ISDIR(info.st_mode);
}

bool ForceDirectories(const std::string& directory) {
    std::string native = ExcludeTrailingPathDelimiter(ToNativePath(directory));
    if (native.empty()) return false;
    if (DirectoryExists(native)) return true;
    std::string parent = ExtractFileDir(native);
    if (!parent.empty() && parent != native && !ForceDirectories(parent)) return false;
    // Another process may create it at the same moment: that counts as success.
    return ::mkdir(native.c_str(), 0777) == 0 || (errno == EEXIST && DirectoryExists(native));
}

bool DeleteFile(const std::string& fileName) {
    return !DirectoryExists(fileName) && ::unlink(ToNativePath(fileName).c_str()) == 0;
}

bool RenameFile(const std::string& oldName, const std::string& newName) {
    std::string from = ToNativePath(oldName);
    std::string to = ToNativePath(newName);
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    // The file system cannot refuse replacement itself: check first.
    struct stat info;
    if (::lstat(to.c_str(), &info) == 0) return false;
    return ::rename(from.c_str(), to.c_str()) == 0;
}

bool AppendLineToFile(const std::string& fileName, const std::string& line) {
    if (fileName.empty()) return false;
    std::string record = line + "\n";
    int fd = ::open(ToNativePath(fileName).c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    bool written = WriteAll(fd, record.data(), record.size());
    return CloseChecked(fd) && written;
}

void WriteFileAtomically(const std::string& fileName, const std::string& bytes, int newFileMode) {
    if (fileName.empty()) throw EInOutError("Cannot write a file without a name", 2);
    std::string native = ToNativePath(fileName);
    std::string temporary = WriteTemporaryBeside(native, fileName, bytes, newFileMode);
    // rename replaces a link at the target itself, never the file it points to.
    if (::rename(temporary.c_str(), native.c_str()) != 0) {
        int error = errno;
        ::unlink(temporary.c_str());
        RaiseWriteFailure("replace file", fileName, error);
    }
    SyncDirectory(DirectoryOf(native));
}

bool CreateFileAtomically(const std::string& fileName, const std::string& bytes) {
    if (fileName.empty()) throw EInOutError("Cannot write a file without a name", 2);
    std::string native = ToNativePath(fileName);
    std::string temporary = WriteTemporaryBeside(native, fileName, bytes);
    // Both calls refuse any existing name, a dangling link included.
    int placed = ::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, native.c_str(), RENAME_NOREPLACE);
    int error = errno;
    if (placed != 0 && (error == EINVAL || error == ENOSYS)) {
        // The file system cannot rename without replacing: a hard link can.
        placed = ::link(temporary.c_str(), native.c_str());
        error = errno;
        ::unlink(temporary.c_str());
    } else if (placed != 0) {
        ::unlink(temporary.c_str());
    }
    if (placed != 0 && error == EEXIST) return false;
    if (placed != 0) RaiseWriteFailure("create file", fileName, error);
    SyncDirectory(DirectoryOf(native));
    return true;
}

bool ReadSmallFile(const std::string& fileName, std::string& bytes, size_t maxBytes) {
    if (fileName.empty()) return false;
    // Non-blocking, so that opening a pipe does not wait for a writer.
    int fd = ::open(ToNativePath(fileName).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    auto refuse = [&](const std::string& why) {
        ::close(fd);
        throw EInOutError("\"" + fileName + "\" refused: " + why, 2);
    };
    const std::string tooLarge = "it holds more than " + std::to_string(maxBytes) + " bytes";
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) refuse("it is not a regular file");
    if (static_cast<uint64_t>(info.st_size) > maxBytes) refuse(tooLarge);
    std::string contents;
    char buffer[65536];
    // One byte past the limit tells a file that grew while it was read.
    while (contents.size() <= maxBytes) {
        ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            ::close(fd);
            return false;
        }
        if (got == 0) break;
        contents.append(buffer, static_cast<size_t>(got));
    }
    if (contents.size() > maxBytes) refuse(tooLarge);
    ::close(fd);
    bytes = std::move(contents);
    return true;
}

bool ReadFileToString(const std::string& fileName, std::string& bytes) {
    if (fileName.empty() || DirectoryExists(fileName)) return false;
    int fd = ::open(ToNativePath(fileName).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    std::string contents;
    char buffer[65536];
    for (;;) {
        ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) {
            ::close(fd);
            if (got < 0) return false;
            break;
        }
        contents.append(buffer, static_cast<size_t>(got));
    }
    bytes = std::move(contents);
    return true;
}

}  // namespace rt
