#include "src/collaboration/LibXml.h"

#include "platform/sysutils/StrUtils.h"

namespace hemr {

namespace {

constexpr const char* kDocType = "<!DOCTYPE SC[<!ENTITY stdd \"&amp;stdd;\">]>";
constexpr const char* kDeclaration = "<?xml version=\"1.0\" encoding=\"GB2312\"?>";
constexpr size_t kSniffLength = 100;

}  // namespace

TXmlDocument LoadXmlText(const std::string& Text) {
    auto document = std::make_unique<pugi::xml_document>();
    if (!document->load_buffer(Text.data(), Text.size(), pugi::parse_default, pugi::encoding_utf8)) return nullptr;
    return document;
}

pugi::xml_node SelectSingleNode(pugi::xml_node Node, const std::string& Path) {
    if (!Node || Path.empty()) return {};
    try {
        return Node.select_node(Path.c_str()).node();
    } catch (const pugi::xpath_exception&) {
        return {};
    }
}

pugi::xml_node FindOrAddChild(pugi::xml_node Node, const std::string& Name, bool Create) {
    pugi::xml_node found;
    try {
        if (Node && !Name.empty()) found = Node.select_node(Name.c_str()).node();
    } catch (const pugi::xpath_exception&) {
        return {};  // not a name either: nothing to find, nothing to create
    }
    if (!found && Create && Node) found = Node.append_child(Name.c_str());
    return found;
}

std::string GetAttr(pugi::xml_node Element, const std::string& Name) {
    return Element.attribute(Name.c_str()).value();
}

void SetAttr(pugi::xml_node Element, const std::string& Name, const std::string& Value) {
    pugi::xml_attribute attribute = Element.attribute(Name.c_str());
    if (!attribute) attribute = Element.append_attribute(Name.c_str());
    attribute.set_value(Value.c_str());
}

std::string NormaliseXmlText(const std::string& Text) {
    const std::string head = rt::LowerCase(rt::StringReplace(Text.substr(0, kSniffLength), "\r\n", "",
                                                             rt::TReplaceFlags{rt::TReplaceFlag::rfReplaceAll}));
    const bool declared = head.starts_with("<?xml");
    const bool typed = head.find("<!doctype") != std::string::npos;
    const bool encoded = head.find("encoding=") != std::string::npos;
    if (!declared) return std::string(kDeclaration) + (typed ? "" : kDocType) + Text;
    std::string text = Text;
    const size_t close = text.find("?>");
    if (close == std::string::npos) return text;
    if (!typed) text.insert(close + 2, kDocType);
    if (!encoded) text.insert(close, " encoding=\"GB2312\"");
    return text;
}

TXmlDocument LoadXmlResponse(const std::string& Text) { return LoadXmlText(NormaliseXmlText(Text)); }

}  // namespace hemr
