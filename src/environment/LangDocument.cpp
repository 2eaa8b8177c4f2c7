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
    const pugi::xml_parse_result parsed = doc.load_buffer(text.data(), text.size(), pugi::parse_default, encoding);
    if (!parsed) {
        doc.reset();
        return {false, parsed.description()};
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
