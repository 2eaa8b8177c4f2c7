// A job's receiver document over arbitrary bytes: it gives rows or one empty
// row, and the document written from those rows reads back to the same rows.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "src/collaboration/ReceiverXml.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> types{"1 员工", "2 部门", "5 用户"};
    const hemr::TReceiverRows rows = hemr::LoadReceiverXml(bytes, types);
    if (rows.empty()) std::abort();
    const std::string written = hemr::BuildReceiverXml(rows);
    if (hemr::BuildReceiverXml(hemr::LoadReceiverXml(written, types)) != written) std::abort();
    return 0;
}
