// The packs the shell ships: each holds every form text and message key, and
// the audit that says so names what a pack lacks.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/platform/os/TempFolder.h"
#include "tests/src/environment/LangPackAudit.h"

namespace hemr_test {
namespace {

std::string SourceFolder() {
    if (const char* src = std::getenv("HEMR_SOURCE_DIR"); src != nullptr && *src != '\0') return src;
    return HEMR_TEST_SOURCE_DIR;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += "\n  " + line;
    return text;
}

bool Expects(const LangPackAudit& audit, const std::string& form, const std::string& element,
             const std::string& attribute) {
    return std::any_of(audit.Expected().begin(), audit.Expected().end(), [&](const TLangEntry& e) {
        return e.Form == form && e.Element == element && e.Attribute == attribute;
    });
}

TEST(LangPacks, AuditFindsTheTextsOfResourcesAndTheKeysOfTheCode) {
    const LangPackAudit audit(SourceFolder());
    EXPECT_TRUE(Expects(audit, "TfrmBaseGene", "tsOption1", "Caption")) << "a caption of an ancestor's resource";
    EXPECT_TRUE(Expects(audit, "TfrmBaseRpt", "cboDateType", "Items_4")) << "each line of a list";
    EXPECT_TRUE(Expects(audit, "TfrmHemr07", "sp01", "ChildHints_8"));
    EXPECT_TRUE(Expects(audit, "TfrmRunningWinC", "", "Caption")) << "the form's own caption";
    EXPECT_FALSE(Expects(audit, "TfrmHemr07", "", "Caption")) << "the condition forms take their title from the catalogue";
    EXPECT_TRUE(Expects(audit, "TfrmBaseRpt", "sFailedReason", "Msg"));
    EXPECT_TRUE(Expects(audit, "TfrmBaseGene", "sProjNameEmpty", "Msg")) << "a key chosen into a variable";
    EXPECT_TRUE(Expects(audit, "TfrmBaseGene", "sDatePramError", "Msg")) << "a unit without a section of its own";
    EXPECT_TRUE(Expects(audit, "TfrmGeneCondition", "sReplaceProj", "Msg"));
    EXPECT_TRUE(Expects(audit, "TfrmNotify", "Cells70", "Msg")) << "the grid headers";
}

TEST(LangPacks, ShippedPacksHoldEveryTextAndKey) {
    const LangPackAudit audit(SourceFolder());
    for (const char* language : {"CHT", "ENG"}) {
        const std::vector<std::string> missing = audit.Missing(SourceFolder() + "/languages/" + language);
        EXPECT_TRUE(missing.empty()) << language << " lacks:" << Joined(missing);
    }
}

TEST(LangPacks, ARemovedTranslationIsNamedWithItsForm) {
    const rt::test::TempFolder temp;
    const std::string folder = temp.Path() + "/ENG";
    std::filesystem::copy(SourceFolder() + "/languages/ENG", folder);
    std::stringstream text;
    text << std::ifstream(folder + "/TfrmBaseGene.Lng").rdbuf();
    std::string edited = text.str();
    if (const size_t at = edited.find("  <sProjectName "); at != std::string::npos)
        edited.erase(at, edited.find("/>\n", at) + 3 - at);
    ASSERT_NE(edited, text.str()) << "the pack had the key";
    std::ofstream(folder + "/TfrmBaseGene.Lng", std::ios::trunc) << edited;
    EXPECT_EQ(LangPackAudit(SourceFolder()).Missing(folder), std::vector<std::string>{"TfrmBaseGene: sProjectName.Msg"});
}

}  // namespace
}  // namespace hemr_test
