#include "outside/nvdownload/TStampComparer.h"

#include <cctype>
#include <sys/stat.h>

namespace nvdownload {

namespace {

// The digits of the stamp, with separators dropped; fractions of a second
// (after a '.' or a third ':') are ignored.
std::optional<std::string> StampDigits(const std::string& stamp) {
    std::string digits;
    int colons = 0;
    for (char c : stamp) {
        if (std::isdigit(static_cast<unsigned char>(c))) {
            digits += c;
        } else if (c == '.' || (c == ':' && ++colons > 2)) {
            break;
        } else if (c != '-' && c != '/' && c != ' ' && c != ':' && c != 'T') {
            return std::nullopt;
        }
    }
    return digits;
}

int Number(const std::string& digits, size_t at, size_t count) { return std::stoi(digits.substr(at, count)); }

}  // namespace

std::optional<std::time_t> TStampComparer::ParseStamp(const std::string& stamp) {
    const std::optional<std::string> digits = StampDigits(stamp);
    if (!digits || (digits->size() != 8 && digits->size() != 12 && digits->size() != 14)) return std::nullopt;
    std::tm parts{};
    parts.tm_year = Number(*digits, 0, 4) - 1900;
    parts.tm_mon = Number(*digits, 4, 2) - 1;
    parts.tm_mday = Number(*digits, 6, 2);
    if (digits->size() >= 12) {
        parts.tm_hour = Number(*digits, 8, 2);
        parts.tm_min = Number(*digits, 10, 2);
    }
    if (digits->size() == 14) parts.tm_sec = Number(*digits, 12, 2);
    if (parts.tm_mon > 11 || parts.tm_mday < 1 || parts.tm_mday > 31 || parts.tm_hour > 23 || parts.tm_min > 59 ||
        parts.tm_sec > 60) {
        return std::nullopt;
    }
    parts.tm_isdst = -1;
    const std::time_t time = std::mktime(&parts);
    if (time == static_cast<std::time_t>(-1)) return std::nullopt;
    return time;
}

bool TStampComparer::NeedsDownload(const std::string& stamp, const std::string& localPath) {
    struct stat info {};
    if (::stat(localPath.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return true;
    const std::optional<std::time_t> server = ParseStamp(stamp);
    return server && info.st_mtime < *server;
}

}  // namespace nvdownload
