#include "src/framework/BaseGeneU.h"

#include <algorithm>
#include <vector>

#include "platform/os/Paths.h"
#include "platform/sysutils/Format.h"
#include "platform/sysutils/IntConv.h"
#include "platform/sysutils/StrUtils.h"

namespace hemr {

namespace {

constexpr size_t kMinProgramCode = 6;
constexpr int kRocYearOffset = 1911;

std::string YearPart(int layout, char digit) {
    if (layout >= 1 && layout <= 3) return std::string(4, digit);
    if (layout == 4) return std::string(2, digit);
    if (layout == 5) return std::string(3, digit);
    return "";
}

std::string DateShape(int layout, const std::string& separator, char digit) {
    const std::string year = YearPart(layout, digit);
    const std::string two(2, digit);
    if (layout == 2 || layout == 3) return two + separator + two + separator + year;
    return year + separator + two + separator + two;
}

// A missing or non-numeric part counts as -1.
int DatePart(const std::vector<std::string>& parts, size_t index) {
    if (index >= parts.size()) return -1;
    int32_t value = 0;
    return rt::TryStrToInt(rt::Trim(parts[index]), value) ? value : -1;
}

std::vector<std::string> SplitAt(const std::string& text, const std::string& separator) {
    std::vector<std::string> parts;
    if (separator.empty()) return {text};
    size_t start = 0;
    while (true) {
        const size_t at = text.find(separator, start);
        parts.push_back(text.substr(start, at == std::string::npos ? std::string::npos : at - start));
        if (at == std::string::npos) return parts;
        start = at + separator.size();
    }
}

}  // namespace

bool IsLibraryFileName(const std::string& fileName) {
    const std::string ext = rt::ExtractFileExt(fileName);
    return rt::SameText(ext, ".so") || rt::SameText(ext, ".dll");
}

std::string ProgramCodeOfModule(const std::string& modulePath) {
    const std::string name = rt::ExtractFileName(modulePath);
    const size_t drop = rt::ExtractFileExt(name).size() + (IsLibraryFileName(name) ? 1 : 2);
    const size_t length = std::max(name.size() > drop ? name.size() - drop : 0, kMinProgramCode);
    return name.substr(0, std::min(length, name.size()));
}

std::string HelpTopicOf(const std::string& programCode) {
    auto at = [&](size_t i) { return i < programCode.size() ? programCode[i] : '\0'; };
    std::string topic;
    char kind = '\0';
    if (at(3) == 'A') {
        topic = "6";
        kind = at(4);
    } else if (at(3) == 'M') {
        topic = "8";
        kind = at(4);
    } else {
        topic = "1";
        kind = at(3);
    }
    if (kind == 'B')
        topic += "3";
    else if (kind == 'R')
        topic += "2";
    else
        return "";
    const std::string lastTwo = programCode.size() >= 2 ? programCode.substr(programCode.size() - 2) : programCode;
    return topic + lastTwo + "0000";
}

std::string DateMaskOf(int layout, const std::string& separator) {
    if (YearPart(layout, '9').empty()) return "";
    return DateShape(layout, separator, '9') + ";1; ";
}

std::string BlankDateOf(int layout, const std::string& separator) { return DateShape(layout, separator, ' '); }

std::string ConvertQuickDateText(const std::string& text, int layout, const std::string& separator) {
    const std::string trimmed = rt::Trim(text);
    if (trimmed.empty() || trimmed == rt::Trim(BlankDateOf(layout, separator))) return "";
    const std::vector<std::string> parts = SplitAt(trimmed, separator);
    const int a = DatePart(parts, 0);
    const int b = DatePart(parts, 1);
    const int c = DatePart(parts, 2);
    if (a < 0 || b < 0 || c < 0) return trimmed;
    int year = 0, month = 0, day = 0;
    switch (layout) {
        case 1: year = a, month = b, day = c; break;
        case 2: year = c, month = a, day = b; break;
        case 3: year = c, month = b, day = a; break;
        case 4:
        case 5: year = a + kRocYearOffset, month = b, day = c; break;
        default: return "";
    }
    return rt::Format("%d%.2d%.2d", {year, month, day});
}

}  // namespace hemr
