// A job's receiver document over arbitrary bytes: it gives rows or one empty
// row; saving them keeps every receiver with a code, in order; and a saved
// document, once renumbered, saves again unchanged.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "src/collaboration/ReceiverXml.h"

namespace {

// The receivers' codes, in order; rows without one are not saved.
std::vector<std::string> Codes(const hemr::TReceiverRows& rows) {
    std::vector<std::string> codes;
    for (const hemr::TReceiverRow& row : rows)
        if (!row[hemr::rcCode].empty()) codes.push_back(row[hemr::rcCode]);
    return codes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> types{"1 员工", "2 部门", "5 用户"};
    const hemr::TReceiverRows rows = hemr::LoadReceiverXml(bytes, types);
    if (rows.empty()) std::abort();
    const std::string written = hemr::BuildReceiverXml(rows);
    const hemr::TReceiverRows reread = hemr::LoadReceiverXml(written, types);
    if (Codes(reread) != Codes(rows)) std::abort();
    const std::string renumbered = hemr::BuildReceiverXml(reread);
    if (hemr::BuildReceiverXml(hemr::LoadReceiverXml(renumbered, types)) != renumbered) std::abort();
    return 0;
}
