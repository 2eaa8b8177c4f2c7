#include "outside/host/serve/ReportFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/sysutils/StrUtils.h"

namespace host::serve {

namespace {

constexpr std::uintmax_t kMaxServedBytes = 64 * 1024 * 1024;

std::string ContentTypeOf(const std::string& name) {
    const std::string ext = rt::LowerCase(std::filesystem::path(name).extension().string());
    if (ext == ".html" || ext == ".htm") return "text/html; charset=utf-8";
    if (ext == ".csv") return "text/csv; charset=utf-8";
    if (ext == ".txt") return "text/plain; charset=utf-8";
    return "application/octet-stream";
}

}  // namespace

ReportFiles::ReportFiles(std::string folder) : folder_(std::move(folder)), before_(Scan()) {}

bool ReportFiles::IsPlainName(const std::string& name) {
    if (name.empty() || name.size() > 255 || name[0] == '.') return false;
    for (unsigned char c : name)
        if (c < 0x20 || c == '/' || c == '\\' || c == 0x7F) return false;
    return true;
}

std::map<std::string, ReportFiles::Stamp> ReportFiles::Scan() const {
    std::map<std::string, Stamp> files;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
        // Links are not followed: what they point at lies outside the folder.
        if (!it->is_regular_file(ec) || it->is_symlink(ec)) continue;
        const std::string name = it->path().filename().string();
        if (!IsPlainName(name)) continue;
        files[name] = {it->last_write_time(ec), it->file_size(ec)};
    }
    return files;
}

std::vector<std::string> ReportFiles::Written() const {
    std::vector<std::string> names;
    for (const auto& [name, stamp] : Scan()) {
        const auto it = before_.find(name);
        if (it == before_.end() || !(it->second == stamp)) names.push_back(name);
    }
    return names;
}

std::optional<ReportFiles::File> ReportFiles::Read(const std::string& name) const {
    if (!IsPlainName(name)) return std::nullopt;
    // O_NOFOLLOW refuses a link in the last place; the name has no other places.
    const int fd = ::open((folder_ + "/" + name).c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    File file;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || static_cast<std::uintmax_t>(st.st_size) > kMaxServedBytes) {
        ::close(fd);
        return std::nullopt;
    }
    file.Bytes.resize(static_cast<size_t>(st.st_size));
    size_t got = 0;
    while (got < file.Bytes.size()) {
        const ssize_t n = ::read(fd, file.Bytes.data() + got, file.Bytes.size() - got);
        if (n <= 0) break;
        got += static_cast<size_t>(n);
    }
    ::close(fd);
    file.Bytes.resize(got);
    file.ContentType = ContentTypeOf(name);
    return file;
}

}  // namespace host::serve
