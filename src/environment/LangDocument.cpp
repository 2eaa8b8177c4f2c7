#include "src/environment/LangDocument.h"

#include "platform/codepage/CodePages.h"
#include "platform/os/Files.h"
#include "platform/sysutils/StrUtils.h"

#include <string_view>

namespace hemr {

namespace {

// The value of encoding="..." inside the leading declaration, if any.
std::string DeclaredEncoding(const std::string& bytes) {
    if (bytes.rfind("<?xml", 0) != 0) return {};
    const size_t end = bytes.find("?>");
    const std::string_view decl = std::string_view(bytes).substr(0, end);
    const size_t key = decl.find("encoding");
    if (key == std::string_view::npos) return {};
    const size_t quote = decl.find_first_of("\"'", key);
    if (quote == std::string_view::npos) return {};
    const size_t close = decl.find(decl[quote], quote + 1);
    if (close == std::string_view::npos) return {};
    return rt::UpperCase(decl.substr(quote + 1, close - quote - 1));
}

// A pack is plain data: a document type that declares entities or points
// outside the file is refused whole, so that nothing is expanded or fetched.
bool HasRefusedDoctype(const pugi::xml_document& doc) {
    for (pugi::xml_node node = doc.first_child(); node; node = node.next_sibling()) {
        if (node.type() != pugi::node_doctype) continue;
        const std::string_view text = node.value();
        if (text.find('[') != std::string_view::npos || text.find("SYSTEM") != std::string_view::npos ||
            text.find("PUBLIC") != std::string_view::npos)
            return true;
    }
    return false;
}

}  // namespace

int DeclaredLangCodePage(const std::string& bytes) {
    const std::string encoding = DeclaredEncoding(bytes);
    if (encoding == "GB2312" || encoding == "GBK" || encoding == "CP936" || encoding == "WINDOWS-936") return 936;
    if (encoding == "BIG5" || encoding == "CP950" || encoding == "WINDOWS-950") return 950;
    if (encoding == "GB18030") return 54936;
    return 0;
}

TLangLoadResult ParseLangDocument(pugi::xml_document& doc, const std::string& bytes) {
    doc.reset();
    const int codePage = DeclaredLangCodePage(bytes);
    const std::string text = codePage != 0 ? rt::CodePageToWide(bytes, codePage) : bytes;
    const pugi::xml_encoding encoding = codePage != 0 ? pugi::encoding_utf8 : pugi::encoding_auto;
    const pugi::xml_parse_result parsed =
        doc.load_buffer(text.data(), text.size(), pugi::parse_default | pugi::parse_doctype, encoding);
    if (!parsed) {
        doc.reset();
        return {false, parsed.description()};
    }
    if (HasRefusedDoctype(doc)) {
        doc.reset();
        return {false, "A language pack may not declare entities or outside references"};
    }
    return {true, {}};
}

TLangLoadResult LoadLangDocument(pugi::xml_document& doc, const std::string& fileName) {
    std::string bytes;
    if (!rt::ReadFileToString(fileName, bytes)) {
        doc.reset();
        return {false, "File was not found: " + fileName};
    }
    return ParseLangDocument(doc, bytes);
}

}  // namespace hemr
