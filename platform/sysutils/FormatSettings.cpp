#include "platform/sysutils/FormatSettings.h"

namespace rt {

TFormatSettings& FormatSettings() {
    static TFormatSettings settings;
    return settings;
}

void ResetFormatSettings() { FormatSettings() = TFormatSettings{}; }

}  // namespace rt
