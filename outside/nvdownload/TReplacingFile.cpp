#include "outside/nvdownload/TReplacingFile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <stdexcept>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

namespace nvdownload {

namespace {

std::runtime_error Failure(const std::string& what, const std::string& path) {
    return std::runtime_error(what + " " + path + ": " + std::strerror(errno));
}

}  // namespace

TReplacingFile::TReplacingFile(std::string target) : target_(std::move(target)) {
    const std::filesystem::path path(target_);
    // Beside the target, so that the rename never crosses file systems.
    std::string pattern = (path.parent_path() / ("." + path.filename().string() + ".part-XXXXXX")).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) throw Failure("Cannot create a temporary file for", target_);
    file_ = ::fdopen(fd, "wb");
    if (file_ == nullptr) {
        ::close(fd);
        ::unlink(pattern.c_str());
        throw Failure("Cannot open a temporary file for", target_);
    }
    temporary_ = pattern;
}

TReplacingFile::~TReplacingFile() {
    if (file_ != nullptr) std::fclose(file_);
    if (!committed_) ::unlink(temporary_.c_str());
}

void TReplacingFile::Write(const void* data, size_t size) {
    if (size > 0 && std::fwrite(data, 1, size, file_) != size) throw Failure("Cannot write", temporary_);
}

void TReplacingFile::Finish() {
    if (file_ == nullptr) return;
    const bool flushed = std::fflush(file_) == 0 && ::fsync(::fileno(file_)) == 0;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (!flushed || !closed) throw Failure("Cannot complete", temporary_);
}

void TReplacingFile::Commit() {
    Finish();
    // mkstemp creates the file for its owner alone; a replaced program file
    // must stay readable by everyone as an ordinarily created one is.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(temporary_.c_str(), 0666 & ~mask);
    if (modified_) {
        const struct timespec times[2] = {{0, UTIME_NOW}, {*modified_, 0}};
        if (::utimensat(AT_FDCWD, temporary_.c_str(), times, 0) != 0) throw Failure("Cannot date", temporary_);
    }
    if (std::rename(temporary_.c_str(), target_.c_str()) != 0) throw Failure("Cannot replace", target_);
    committed_ = true;
}

}  // namespace nvdownload
