#include "platform/os/LocaleInfo.h"

#include <langinfo.h>
#include <locale.h>

#include <cctype>
#include <string_view>

namespace rt {

namespace {

constexpr char kDefaultSeparator = '/';

// The first character after a conversion that is not itself a conversion.
char SeparatorOf(std::string_view format) {
    for (size_t i = 0; i + 1 < format.size(); ++i) {
        if (format[i] != '%') continue;
        ++i;
        // Flags and modifiers ("%-d", "%Ey") belong to the conversion.
        while (i < format.size() && (format[i] == '-' || format[i] == '_' || format[i] == '0' || format[i] == 'E' ||
                                     format[i] == 'O')) {
            ++i;
        }
        if (i + 1 >= format.size()) break;
        const auto next = static_cast<unsigned char>(format[i + 1]);
        if (format[i + 1] == '%') continue;
        if (next < 0x80 && std::ispunct(next)) return static_cast<char>(next);
        return kDefaultSeparator;
    }
    return kDefaultSeparator;
}

}  // namespace

char LocaleDateSeparator() {
    // newlocale reads the environment for "", without touching the process's locale.
    locale_t locale = newlocale(LC_TIME_MASK, "", static_cast<locale_t>(0));
    if (locale == static_cast<locale_t>(0)) return kDefaultSeparator;
    const char* format = nl_langinfo_l(D_FMT, locale);
    const char separator = format != nullptr ? SeparatorOf(format) : kDefaultSeparator;
    freelocale(locale);
    return separator;
}

}  // namespace rt
