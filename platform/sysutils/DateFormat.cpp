#include "platform/sysutils/DateFormat.h"

#include <cctype>

#include "platform/core/Exceptions.h"
#include "platform/sysutils/Clock.h"

namespace rt {

namespace {

char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

bool StartsNoCase(std::string_view text, size_t pos, std::string_view prefix) {
    if (text.size() - pos < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (Upper(text[pos + i]) != Upper(prefix[i])) return false;
    return true;
}

void AppendNumber(std::string& out, int value, int digits) {
    std::string text = std::to_string(value);
    if (static_cast<int>(text.size()) < digits) out.append(digits - text.size(), '0');
    out += text;
}

// One formatting run; nested patterns (c, t, ddddd) reuse it with a depth guard
// so that a pattern naming itself cannot recurse without end.
class DateTimeFormatter {
public:
    DateTimeFormatter(TDateTime value, const TFormatSettings& settings) : value_(value), settings_(settings) {
        DecodeDateTime(value, year_, month_, day_, hour_, min_, sec_, msec_);
    }

    void Append(std::string_view pattern, int depth) {
        if (depth > 2) return;
        char lastToken = ' ';
        size_t pos = 0;
        while (pos < pattern.size()) {
            char starter = pattern[pos++];
            char token = Upper(starter);
            if (token >= 'A' && token <= 'Z') {
                if (token == 'M' && lastToken == 'H') token = 'N';
                lastToken = token;
            }
            size_t count = 1;
            auto takeCount = [&] {
                while (pos < pattern.size() && pattern[pos] == starter) ++pos, ++count;
            };
            switch (token) {
                case 'Y':
                    takeCount();
                    if (count <= 2) AppendNumber(out_, year_ % 100, 2);
                    else AppendNumber(out_, year_, 4);
                    break;
                case 'M':
                    takeCount();
                    AppendMonth(count);
                    break;
                case 'N':
                    takeCount();
                    // An m after h is minutes only as m or mm; mmm stays a month name.
                    if (token != Upper(starter) && count > 2) AppendMonth(count);
                    else AppendNumber(out_, min_, count > 2 ? 2 : static_cast<int>(count));
                    break;
                case 'D':
                    takeCount();
                    AppendDay(count, depth);
                    break;
                case 'H':
                    takeCount();
                    AppendNumber(out_, TwelveHourAhead(pattern, pos) ? Hour12() : hour_,
                                 count > 2 ? 2 : static_cast<int>(count));
                    break;
                case 'S':
                    takeCount();
                    AppendNumber(out_, sec_, count > 2 ? 2 : static_cast<int>(count));
                    break;
                case 'Z':
                    takeCount();
                    AppendNumber(out_, msec_, count > 1 ? 3 : 1);
                    break;
                case 'T':
                    takeCount();
                    Append(count == 1 ? settings_.ShortTimeFormat : settings_.LongTimeFormat, depth + 1);
                    break;
                case 'C':
                    takeCount();
                    AppendStandard(depth);
                    break;
                case 'A':
                    pos = AppendAmPm(pattern, pos - 1);
                    break;
                case '/':
                    out_ += settings_.DateSeparator;
                    break;
                case ':':
                    out_ += settings_.TimeSeparator;
                    break;
                case '\'':
                case '"': {
                    size_t end = pattern.find(starter, pos);
                    if (end == std::string_view::npos) end = pattern.size();
                    out_.append(pattern.substr(pos, end - pos));
                    pos = end < pattern.size() ? end + 1 : end;
                    break;
                }
                default:
                    out_ += starter;
                    break;
            }
        }
    }

    std::string Take() { return std::move(out_); }

private:
    int Hour12() const { return hour_ == 0 ? 12 : (hour_ > 12 ? hour_ - 12 : hour_); }

    // An hour is on the 12-hour clock when the next unquoted a/A before any
    // further hour starts am/pm, a/p or ampm.
    static bool TwelveHourAhead(std::string_view pattern, size_t pos) {
        bool quoted = false;
        for (; pos < pattern.size(); ++pos) {
            char c = pattern[pos];
            if (c == '\'' || c == '"') {
                quoted = !quoted;
            } else if (!quoted && Upper(c) == 'A') {
                return StartsNoCase(pattern, pos, "AM/PM") || StartsNoCase(pattern, pos, "A/P") ||
                       StartsNoCase(pattern, pos, "AMPM");
            } else if (!quoted && Upper(c) == 'H') {
                return false;
            }
        }
        return false;
    }

    void AppendMonth(size_t count) {
        if (count <= 2) AppendNumber(out_, month_, static_cast<int>(count));
        else if (month_ >= 1 && count == 3) out_ += settings_.ShortMonthNames[month_ - 1];
        else if (month_ >= 1) out_ += settings_.LongMonthNames[month_ - 1];
    }

    void AppendDay(size_t count, int depth) {
        int weekDay = DayOfWeek(value_) - 1;
        switch (count) {
            case 1:
            case 2: AppendNumber(out_, day_, static_cast<int>(count)); break;
            case 3: out_ += settings_.ShortDayNames[weekDay]; break;
            case 4: out_ += settings_.LongDayNames[weekDay]; break;
            case 5: Append(settings_.ShortDateFormat, depth + 1); break;
            default: Append(settings_.LongDateFormat, depth + 1); break;
        }
    }

    void AppendStandard(int depth) {
        Append(settings_.ShortDateFormat, depth + 1);
        if (hour_ != 0 || min_ != 0 || sec_ != 0 || msec_ != 0) {
            out_ += ' ';
            Append(settings_.LongTimeFormat, depth + 1);
        }
    }

    // `start` is at the a/A; returns the position after what was consumed.
    size_t AppendAmPm(std::string_view pattern, size_t start) {
        bool pm = hour_ >= 12;
        if (StartsNoCase(pattern, start, "AM/PM")) {
            out_.append(pattern.substr(start + (pm ? 3 : 0), 2));
            return start + 5;
        }
        if (StartsNoCase(pattern, start, "A/P")) {
            out_ += pattern[start + (pm ? 2 : 0)];
            return start + 3;
        }
        if (StartsNoCase(pattern, start, "AMPM")) {
            out_ += pm ? settings_.TimePMString : settings_.TimeAMString;
            return start + 4;
        }
        int weekDay = DayOfWeek(value_) - 1;
        if (StartsNoCase(pattern, start, "AAAA")) {
            out_ += settings_.LongDayNames[weekDay];
            return start + 4;
        }
        if (StartsNoCase(pattern, start, "AAA")) {
            out_ += settings_.ShortDayNames[weekDay];
            return start + 3;
        }
        out_ += pattern[start];
        return start + 1;
    }

    TDateTime value_;
    const TFormatSettings& settings_;
    int year_ = 0, month_ = 0, day_ = 0, hour_ = 0, min_ = 0, sec_ = 0, msec_ = 0;
    std::string out_;
};

// Cursor over a text being read as a date or time; blanks are spaces only.
class DateScanner {
public:
    explicit DateScanner(const std::string& text) : text_(text) {}

    bool AtEnd() const { return pos_ >= text_.size(); }
    size_t Position() const { return pos_; }
    void Rewind(size_t pos) { pos_ = pos; }

    void SkipBlanks() {
        while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
    }

    bool Number(int& value, int& length) {
        SkipBlanks();
        size_t i = pos_;
        int n = 0;
        // Stops after four digits' worth so that "20050301" is not one number.
        while (i < text_.size() && std::isdigit(static_cast<unsigned char>(text_[i])) && n < 1000) {
            n = n * 10 + (text_[i] - '0');
            ++i;
        }
        if (i == pos_) return false;
        length = static_cast<int>(i - pos_);
        value = n;
        pos_ = i;
        return true;
    }

    bool Char(char c) {
        SkipBlanks();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }

    bool Word(std::string_view word) {
        SkipBlanks();
        if (word.empty() || !StartsNoCase(text_, pos_, word)) return false;
        pos_ += word.size();
        return true;
    }

private:
    const std::string& text_;
    size_t pos_ = 0;
};

enum class DateOrder { MDY, DMY, YMD };

DateOrder GetDateOrder(std::string_view format) {
    for (char c : format) {
        switch (Upper(c)) {
            case 'Y': return DateOrder::YMD;
            case 'M': return DateOrder::MDY;
            case 'D': return DateOrder::DMY;
            default: break;
        }
    }
    return DateOrder::MDY;
}

int CurrentYear() {
    int y = 0, m = 0, d = 0;
    DecodeDate(Now(), y, m, d);
    return y;
}

int ExpandTwoDigitYear(int year) {
    constexpr int kCenturyWindow = 50;
    int centuryBase = CurrentYear() - kCenturyWindow;
    year += centuryBase / 100 * 100;
    if (year < centuryBase) year += 100;
    return year;
}

bool ScanDate(DateScanner& scan, const TFormatSettings& settings, TDateTime& value) {
    int n1 = 0, n2 = 0, n3 = 0, l1 = 0, l2 = 0, l3 = 0;
    if (!scan.Number(n1, l1) || !scan.Char(settings.DateSeparator) || !scan.Number(n2, l2)) return false;
    int year = 0, month = 0, day = 0, yearLength = 4;
    DateOrder order = GetDateOrder(settings.ShortDateFormat);
    if (scan.Char(settings.DateSeparator)) {
        if (!scan.Number(n3, l3)) return false;
        switch (order) {
            case DateOrder::MDY: year = n3, yearLength = l3, month = n1, day = n2; break;
            case DateOrder::DMY: year = n3, yearLength = l3, month = n2, day = n1; break;
            case DateOrder::YMD: year = n1, yearLength = l1, month = n2, day = n3; break;
        }
        if (yearLength <= 2) year = ExpandTwoDigitYear(year);
    } else {
        year = CurrentYear();
        if (order == DateOrder::DMY) day = n1, month = n2;
        else month = n1, day = n2;
    }
    scan.SkipBlanks();
    return TryEncodeDate(year, month, day, value);
}

int ScanMeridiem(DateScanner& scan, const TFormatSettings& settings) {
    if (scan.Word(settings.TimeAMString) || scan.Word("AM")) return 0;
    if (scan.Word(settings.TimePMString) || scan.Word("PM")) return 12;
    return -1;
}

bool ScanTime(DateScanner& scan, const TFormatSettings& settings, TDateTime& value) {
    int baseHour = ScanMeridiem(scan, settings);
    int hour = 0, min = 0, sec = 0, msec = 0, length = 0;
    if (!scan.Number(hour, length)) return false;
    if (scan.Char(settings.TimeSeparator)) {
        if (!scan.Number(min, length)) return false;
        if (scan.Char(settings.TimeSeparator)) {
            if (!scan.Number(sec, length)) return false;
            if (scan.Char(settings.DecimalSeparator) && !scan.Number(msec, length)) return false;
        }
    }
    if (baseHour < 0) baseHour = ScanMeridiem(scan, settings);
    if (baseHour >= 0) {
        if (hour == 0 || hour > 12) return false;
        hour = (hour == 12 ? 0 : hour) + baseHour;
    }
    scan.SkipBlanks();
    return TryEncodeTime(hour, min, sec, msec, value);
}

[[noreturn]] void RaiseNotValid(const std::string& text, const char* what) {
    throw EConvertError("'" + text + "' is not a valid " + what);
}

}  // namespace

std::string FormatDateTime(std::string_view pattern, TDateTime value, const TFormatSettings& settings) {
    DateTimeFormatter formatter(value, settings);
    formatter.Append(pattern.empty() ? std::string_view("c") : pattern, 0);
    return formatter.Take();
}

std::string FormatDateTime(std::string_view pattern, TDateTime value) {
    return FormatDateTime(pattern, value, FormatSettings());
}

std::string DateToStr(TDateTime value) { return FormatDateTime(FormatSettings().ShortDateFormat, value); }

std::string TimeToStr(TDateTime value) { return FormatDateTime(FormatSettings().LongTimeFormat, value); }

std::string DateTimeToStr(TDateTime value) { return FormatDateTime("c", value); }

bool TryStrToDate(const std::string& text, TDateTime& value) {
    DateScanner scan(text);
    TDateTime date = 0;
    if (!ScanDate(scan, FormatSettings(), date) || !scan.AtEnd()) return false;
    value = date;
    return true;
}

bool TryStrToTime(const std::string& text, TDateTime& value) {
    DateScanner scan(text);
    TDateTime time = 0;
    if (!ScanTime(scan, FormatSettings(), time) || !scan.AtEnd()) return false;
    value = time;
    return true;
}

bool TryStrToDateTime(const std::string& text, TDateTime& value) {
    const TFormatSettings& settings = FormatSettings();
    DateScanner scan(text);
    TDateTime date = 0;
    TDateTime time = 0;
    if (ScanDate(scan, settings, date)) {
        if (scan.AtEnd() || (ScanTime(scan, settings, time) && scan.AtEnd())) {
            value = ComposeDateTime(date, time);
            return true;
        }
    }
    return TryStrToTime(text, value);
}

TDateTime StrToDate(const std::string& text) {
    TDateTime value = 0;
    if (!TryStrToDate(text, value)) RaiseNotValid(text, "date");
    return value;
}

TDateTime StrToTime(const std::string& text) {
    TDateTime value = 0;
    if (!TryStrToTime(text, value)) RaiseNotValid(text, "time");
    return value;
}

TDateTime StrToDateTime(const std::string& text) {
    TDateTime value = 0;
    if (!TryStrToDateTime(text, value)) RaiseNotValid(text, "date and time");
    return value;
}

TDateTime StrToDateDef(const std::string& text, TDateTime fallback) {
    TDateTime value = 0;
    return TryStrToDate(text, value) ? value : fallback;
}

TDateTime StrToDateTimeDef(const std::string& text, TDateTime fallback) {
    TDateTime value = 0;
    return TryStrToDateTime(text, value) ? value : fallback;
}

}  // namespace rt
