#pragma once
// Loading language documents. Packs are written in the interface code page:
// a declaration naming a Chinese code page ("GB2312", "GBK", "Big5",
// "GB18030") is honoured by converting the bytes to UTF-8 before parsing;
// anything else is parsed as UTF-8 or UTF-16 (with its byte-order mark). A
// document type that declares entities or names an outside file is refused.

#include <pugixml.hpp>

#include <string>

namespace hemr {

struct TLangLoadResult {
    bool Ok = false;
    // The parser's or the file system's reason when not Ok.
    std::string Reason;
};

// Replaces `doc` with the parsed `bytes`; on failure `doc` is left empty.
TLangLoadResult ParseLangDocument(pugi::xml_document& doc, const std::string& bytes);
TLangLoadResult LoadLangDocument(pugi::xml_document& doc, const std::string& fileName);

// The code page named by the XML declaration of `bytes`, or 0 when it names
// none that needs converting.
int DeclaredLangCodePage(const std::string& bytes);

}  // namespace hemr
