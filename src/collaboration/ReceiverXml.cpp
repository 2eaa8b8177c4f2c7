#include "src/collaboration/ReceiverXml.h"

#include <charconv>
#include <map>
#include <sstream>

#include "src/collaboration/LibXml.h"

namespace hemr {

namespace {

// n of an element named "R<n>" (n > 0), else 0.
long ReceiverNumber(const pugi::xml_node& node) {
    const std::string_view name = node.name();
    if (node.type() != pugi::node_element || name.size() < 2 || name[0] != 'R') return 0;
    long n = 0;
    const auto [end, error] = std::from_chars(name.data() + 1, name.data() + name.size(), n);
    return error == std::errc() && end == name.data() + name.size() && n > 0 ? n : 0;
}

std::string TypeEntry(const std::string& type, const std::vector<std::string>& typeList) {
    if (type.empty()) return "";
    for (const std::string& entry : typeList)
        if (!entry.empty() && entry[0] == type[0]) return entry;
    return "";
}

TReceiverRow ReadReceiver(const pugi::xml_node& element, const std::vector<std::string>& typeList) {
    TReceiverRow row;
    row[rcCode] = GetAttr(element, "ID");
    row[rcName] = GetAttr(element, "Name");
    row[rcMobile] = GetAttr(element, "Mob");
    row[rcMail] = GetAttr(element, "Mail");
    row[rcType] = TypeEntry(GetAttr(element, "Type"), typeList);
    const std::string msg = GetAttr(element, "Msg");
    for (int i = 0; i < 3; ++i)
        row[rcMessage + i] = i < static_cast<int>(msg.size()) && msg[i] == 'Y' ? kTicked : kUnticked;
    return row;
}

void WriteReceiver(pugi::xml_node element, const TReceiverRow& row) {
    SetAttr(element, "ID", row[rcCode]);
    SetAttr(element, "Name", row[rcName]);
    if (!row[rcMobile].empty()) SetAttr(element, "Mob", row[rcMobile]);
    if (!row[rcMail].empty()) SetAttr(element, "Mail", row[rcMail]);
    if (!row[rcType].empty()) SetAttr(element, "Type", row[rcType].substr(0, 1));
    SetAttr(element, "Msg", ChannelValue(row[rcMessage]) + ChannelValue(row[rcSms]) + ChannelValue(row[rcEmail]));
}

}  // namespace

std::string ChannelValue(const std::string& Cell) { return Cell == kTicked ? kTicked : kUnticked; }

TReceiverRows LoadReceiverXml(const std::string& Text, const std::vector<std::string>& TypeList) {
    const TXmlDocument document = LoadXmlText(Text);
    std::map<long, pugi::xml_node> receivers;  // the first of a repeated name counts
    if (document)
        for (pugi::xml_node child : document->document_element().children())
            if (const long n = ReceiverNumber(child)) receivers.emplace(n, child);
    TReceiverRows rows;
    for (const auto& [n, element] : receivers) rows.push_back(ReadReceiver(element, TypeList));
    if (rows.empty()) rows.emplace_back();
    return rows;
}

std::string BuildReceiverXml(const TReceiverRows& Rows) {
    pugi::xml_document document;
    pugi::xml_node root = document.append_child("Root");
    bool written = false;
    for (size_t r = 0; r < Rows.size(); ++r) {
        if (Rows[r][rcCode].empty()) continue;
        // Each row number names one element, so it is new under the fresh root:
        // appended at once rather than looked for, which would cost a scan per row.
        WriteReceiver(root.append_child(("R" + std::to_string(r + 1)).c_str()), Rows[r]);
        written = true;
    }
    if (!written) return kNoReceivers;
    std::ostringstream out;
    root.print(out, "", pugi::format_raw, pugi::encoding_utf8);
    return kReceiverDeclaration + out.str();
}

}  // namespace hemr
