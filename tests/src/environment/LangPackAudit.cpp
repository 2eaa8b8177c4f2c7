#include "tests/src/environment/LangPackAudit.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include <pugixml.hpp>

#include "platform/os/Files.h"
#include "platform/streaming/TFormParser.h"
#include "src/collaboration/ReceiverXml.h"
#include "src/environment/LangDocument.h"

namespace hemr_test {

namespace {

// The condition forms take their title from the program catalogue at run
// time, so a pack's form caption would only hide it.
bool TitleFromCatalogue(const std::string& form) {
    for (const char* titled : {"TfrmBaseGene", "TfrmBaseOpt", "TfrmBaseRpt", "TfrmHemr07"})
        if (form == titled) return true;
    return false;
}

bool ReadsAsText(const std::string& text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

std::vector<std::string> ListLines(const rt::TResourceValue& list) {
    std::vector<std::string> lines;
    rt::TFormParser cursor = rt::TFormParser::ListCursor(list);
    cursor.Bracket();
    while (!cursor.AtListEnd()) lines.push_back(cursor.ParseValue().text);
    return lines;
}

void AddNode(const std::string& form, const rt::TResourceNode& node, bool root, std::vector<TLangEntry>& out) {
    const std::string element = root ? "" : node.name;
    for (const rt::TResourceProperty& prop : node.properties) {
        const std::string& path = prop.path;
        if (path.rfind("Font.", 0) == 0) continue;  // fonts follow the code page, not the language
        if (prop.value.kind == rt::TResourceValue::Kind::String && ReadsAsText(prop.value.text)) {
            if (!(root && path == "Caption" && TitleFromCatalogue(form))) out.push_back({form, element, path});
        } else if (prop.value.kind == rt::TResourceValue::Kind::List && path.size() > 8 &&
                   path.compare(path.size() - 8, 8, ".Strings") == 0) {
            const std::vector<std::string> lines = ListLines(prop.value);
            if (std::none_of(lines.begin(), lines.end(), ReadsAsText)) continue;
            for (size_t i = 0; i < lines.size(); ++i)
                out.push_back({form, element, path.substr(0, path.size() - 8) + "_" + std::to_string(i)});
        }
    }
    for (const rt::TResourceNode& child : node.children) AddNode(form, child, false, out);
}

}  // namespace

LangPackAudit::LangPackAudit(std::string sourceFolder) : source_(std::move(sourceFolder)) {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(source_ + "/src"))
        if (entry.is_regular_file()) files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    for (const std::string& file : files) {
        if (file.ends_with(".dfm")) AddFormResource(file);
        if (file.ends_with(".cpp")) AddMessageKeys(file);
    }
    // The grids' headers are looked up by cell: the notification grid's columns, the portal list's two.
    for (int c = 0; c < hemr::rcColumnCount; ++c) expected_.push_back({"TfrmNotify", "Cells" + std::to_string(c) + "0", "Msg"});
    for (int c = 0; c < 2; ++c) expected_.push_back({"TfrmPortalUser", "Cells" + std::to_string(c) + "0", "Msg"});
}

void LangPackAudit::AddFormResource(const std::string& fileName) {
    std::string text;
    rt::ReadFileToString(fileName, text);
    const rt::TResourceNode root = rt::TFormParser(text).ParseResource();
    AddNode(root.className, root, true, expected_);
}

namespace {

bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_'; }

// The word that starts at `at`.
std::string WordAt(const std::string& text, size_t at) {
    size_t end = at;
    while (end < text.size() && IsWordChar(text[end])) ++end;
    return text.substr(at, end - at);
}

// The section a unit looks its keys up in: its kSection, else the form class
// whose members it defines.
std::string SectionOf(const std::string& text) {
    const std::string marker = "kSection = \"";
    if (const size_t at = text.find(marker); at != std::string::npos) return WordAt(text, at + marker.size());
    for (size_t at = text.find("Tfrm"); at != std::string::npos; at = text.find("Tfrm", at + 1)) {
        const std::string word = WordAt(text, at);
        if (text.compare(at + word.size(), 2, "::") == 0 && (at == 0 || !IsWordChar(text[at - 1]))) return word;
    }
    return {};
}

// Every quoted key: "s" then a capital and word characters, closed at once.
std::vector<std::string> QuotedKeys(const std::string& text) {
    std::vector<std::string> keys;
    for (size_t at = text.find("\"s"); at != std::string::npos; at = text.find("\"s", at + 1)) {
        if (at + 2 >= text.size() || !std::isupper(static_cast<unsigned char>(text[at + 2]))) continue;
        const std::string word = WordAt(text, at + 1);
        if (text.compare(at + 1 + word.size(), 1, "\"") == 0) keys.push_back(word);
    }
    return keys;
}

}  // namespace

void LangPackAudit::AddMessageKeys(const std::string& fileName) {
    std::string text;
    rt::ReadFileToString(fileName, text);
    if (text.find("LangText(") == std::string::npos && text.find("ShowFailure(") == std::string::npos) return;
    const std::string section = SectionOf(text);
    for (const std::string& key : QuotedKeys(text)) {
        TLangEntry entry{section, key, "Msg"};
        const bool known = std::any_of(expected_.begin(), expected_.end(), [&](const TLangEntry& e) {
            return e.Form == entry.Form && e.Element == entry.Element;
        });
        if (!known) expected_.push_back(entry);
    }
}

std::vector<std::string> LangPackAudit::Missing(const std::string& packFolder) const {
    std::vector<std::string> missing;
    for (const TLangEntry& entry : expected_) {
        pugi::xml_document doc;
        const hemr::TLangLoadResult loaded = hemr::LoadLangDocument(doc, packFolder + "/" + entry.Form + ".Lng");
        pugi::xml_node node = doc.document_element();
        if (loaded.Ok && !entry.Element.empty()) node = doc.select_node(("//" + entry.Element).c_str()).node();
        const bool found = loaded.Ok && node && node.attribute(entry.Attribute.c_str());
        if (!found)
            missing.push_back(entry.Form + ": " + (entry.Element.empty() ? "" : entry.Element + ".") + entry.Attribute);
    }
    return missing;
}

}  // namespace hemr_test
