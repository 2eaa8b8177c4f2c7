#include "src/environment/LangCommon.h"

#include "platform/classes/IdentText.h"
#include "platform/classes/TObject.h"
#include "platform/os/Files.h"
#include "src/environment/KestrelINI.h"
#include "src/environment/LangDocument.h"

#include <charconv>

namespace hemr {

namespace {

std::string FolderOf(const std::string& installPath, const std::string& codePage) {
    const std::string code = LangCodeOfCodePage(codePage);
    if (installPath.empty() || code.empty()) return {};
    const std::string folder = installPath + "MultiLanguage/" + code + "/";
    return rt::DirectoryExists(folder) ? folder : std::string();
}

}  // namespace

std::string LangCodeOfCodePage(const std::string& codePage) {
    if (codePage == "936") return "CHS";
    if (codePage == "950") return "CHT";
    if (codePage == "437") return "ENG";
    return {};
}

std::string GetLangFolder(TDesignType designType) {
    if (designType == dtServer) {
        const TKestrelIniS ini;
        return FolderOf(ini.ServerPath(), ini.UICodePage());
    }
    const TKestrelIniC ini;
    return FolderOf(ini.ClientPath(), ini.UICodePage());
}

std::string LangPackFileName(TDesignType designType, const std::string& packageName) {
    const std::string folder = GetLangFolder(designType);
    return folder.empty() || packageName.empty() ? std::string() : folder + packageName + ".Lng";
}

std::string GetLangMessageFromFile(const std::string& fileName, const std::string& messageName,
                                   const std::string& defaultText) {
    if (fileName.empty() || !rt::IsValidIdent(messageName) || !rt::FileExists(fileName)) return defaultText;
    pugi::xml_document doc;
    if (!LoadLangDocument(doc, fileName).Ok || !doc.document_element()) return defaultText;
    try {
        const pugi::xpath_node found = doc.document_element().select_node(("//" + messageName + "/@Msg").c_str());
        return found.attribute() ? std::string(found.attribute().value()) : defaultText;
    } catch (const pugi::xpath_exception&) {
        return defaultText;
    }
}

std::string GetLangMessage(TDesignType designType, const std::string& packageName, const std::string& messageName,
                           const std::string& defaultText) {
    return GetLangMessageFromFile(LangPackFileName(designType, packageName), messageName, defaultText);
}

TLangSegment ParseLangSegment(std::string_view segment) {
    segment = rt::TrimView(segment);
    const size_t underscore = segment.rfind('_');
    if (underscore == std::string_view::npos) return {std::string(segment), -1};
    TLangSegment result{std::string(rt::TrimView(segment.substr(0, underscore))), -1};
    const std::string_view digits = rt::TrimView(segment.substr(underscore + 1));
    int index = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
    if (!digits.empty() && ec == std::errc() && end == digits.data() + digits.size() && index >= 0) {
        result.Index = index;
    }
    return result;
}

bool IsIndexedLangName(std::string_view base) {
    return rt::SameName(base, "Items") || rt::SameName(base, "Columns");
}

bool ClassChainHas(const rt::TObject* object, std::string_view className) {
    if (object == nullptr) return false;
    for (rt::TClass cls = object->ClassType(); cls != nullptr; cls = cls->ClassParent()) {
        if (rt::SameName(cls->ClassName(), className)) return true;
    }
    return false;
}

}  // namespace hemr
