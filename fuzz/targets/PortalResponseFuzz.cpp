// The portal's answer over arbitrary bytes: the user list reads or is empty,
// and every entry's fields are plain texts.

#include <cstddef>
#include <cstdint>
#include <string>

#include "src/collaboration/PortalService.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    for (const hemr::TPortalUserEntry& user : hemr::ReadPortalUsers(bytes)) {
        (void)user.Code.size();
        (void)user.Name.size();
    }
    return 0;
}
