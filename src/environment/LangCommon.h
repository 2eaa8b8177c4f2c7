#pragma once
// Shared pieces of the language packs: the error class, the language folder
// per interface code page, pack file names, message lookup, and the parts of a
// property path ("Items_3", "Columns_1.Caption").

#include "platform/core/Exceptions.h"
#include "src/environment/LangDesignType.h"

#include <string>
#include <string_view>

namespace rt {
class TObject;
}

namespace hemr {

using rt::Exception;
RT_DECLARE_EXCEPTION(LanguageControllerError, Exception)

// Texts of the program shown with LanguageControllerError.
inline constexpr const char* SLangCannotFindFile = "Cannot Find File %s!";
inline constexpr const char* SLangNoActiveController = "No active LanguageController!";

// "936" -> "CHS", "950" -> "CHT", "437" -> "ENG"; empty for any other code page.
std::string LangCodeOfCodePage(const std::string& codePage);
// Install folder + "MultiLanguage/" + language code + "/" from the client or
// the server configuration; empty when the code page has no language, the
// install folder is unknown or the folder does not exist.
std::string GetLangFolder(TDesignType designType);
// The pack file of `packageName`, or empty when there is no language folder
// (so that a bare name never finds a file in the working folder).
std::string LangPackFileName(TDesignType designType, const std::string& packageName);
// The "Msg" attribute of the element named `messageName` in the pack
// `packageName`; `defaultText` when the file is missing, cannot be parsed or
// has no such attribute.
std::string GetLangMessage(TDesignType designType, const std::string& packageName, const std::string& messageName,
                           const std::string& defaultText);
// The same lookup in a given file.
std::string GetLangMessageFromFile(const std::string& fileName, const std::string& messageName,
                                   const std::string& defaultText);

// One segment of a property path: "Items_3" -> {"Items", 3}; "Caption" -> {"Caption", -1};
// "Items_x" -> {"Items", -1}.
struct TLangSegment {
    std::string Base;
    int Index = -1;
};
TLangSegment ParseLangSegment(std::string_view segment);
// "Items" or "Columns", ignoring case: the only names whose index is honoured.
bool IsIndexedLangName(std::string_view base);

// True when `object`'s class or one of its ancestors is called `className`
// (ignoring case); lets the packs recognise toolkit classes by name.
bool ClassChainHas(const rt::TObject* object, std::string_view className);

}  // namespace hemr
