// The report page: chart bars scaled to the largest bracket, the table with
// totals and shares, escaped texts, and the page written beside the CSV.

#include <string>

#include <gtest/gtest.h>

#include "outside/hemr07s/AgeReport.h"
#include "outside/hemr07s/ReportHtml.h"
#include "platform/os/Files.h"
#include "tests/outside/hemr07s/Hemr07Values.h"
#include "tests/outside/hemr07s/ReportHome.h"

namespace {

hemr07s::AgeDistribution TwoBrackets() {
    hemr07s::AgeDistribution d;
    d.rows.push_back({{0, 30, "30岁以内"}, 3, 1, 2});
    d.rows.push_back({{30, -1, "30岁以上"}, 1, 1, 0});
    d.total = 4;
    d.male = 2;
    d.female = 2;
    return d;
}

size_t Count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

TEST(ReportHtml, BarsAreScaledToTheLargestBracketAndTheTableCarriesTotalsAndShares) {
    hemr07s::ReportHeading heading{"员工年龄分布表", "J1", "796", "", {}, {}};
    const std::string page = hemr07s::ReportHtml(heading, hemr07s::AgeConditions{}, TwoBrackets());
    EXPECT_EQ(Count(page, "<rect "), 2u);
    // 640 wide, 120 for the labels, 60 for the counts: the largest bar takes 460, a third of it 153.
    EXPECT_NE(page.find("width=\"460\""), std::string::npos) << page;
    EXPECT_NE(page.find("width=\"153\""), std::string::npos) << page;
    EXPECT_NE(page.find("<td>30岁以内</td><td class=\"n\">3</td><td class=\"n\">1</td><td class=\"n\">2</td>"
                        "<td class=\"n\">75.0</td>"),
              std::string::npos);
    EXPECT_NE(page.find("<th>合计</th><td class=\"n\">4</td>"), std::string::npos);
    EXPECT_NE(page.find("<td>J1</td>"), std::string::npos);
}

TEST(ReportHtml, TextsFromTheFormAndTheDatabaseAreEscaped) {
    hemr07s::ReportHeading heading{"A<B", "", "u&1", "", {"<script>"}, {}};
    const std::string page = hemr07s::ReportHtml(heading, hemr07s::AgeConditions{}, TwoBrackets());
    EXPECT_EQ(page.find("<script>"), std::string::npos);
    EXPECT_NE(page.find("&lt;script&gt;"), std::string::npos);
    EXPECT_NE(page.find("<title>A&lt;B</title>"), std::string::npos);
    EXPECT_NE(page.find("u&amp;1"), std::string::npos);
}

TEST(ReportHtml, ARunWritesThePageBesideItsCsv) {
    hemr07test::ReportHome home;
    auto store = appserver::ServerStore::Open(home.Path());
    auto args = hemr07s::SvrRunArguments::Parse(hemr07test::RunArguments("", hemr07test::Hemr07Form().Values()));
    const appserver::ReportRecord r = hemr07s::AgeReport(store).Run(args);
    const std::string html = r.csvFile.substr(0, r.csvFile.size() - 4) + ".html";
    ASSERT_TRUE(rt::FileExists(html));
    const std::string page = hemr07test::ReadText(html);
    // The seeded staff: the total of the CSV is the total of the page.
    EXPECT_NE(hemr07test::ReadText(r.csvFile).find("合计,,,88,"), std::string::npos);
    EXPECT_NE(page.find("<th>合计</th><td class=\"n\">88</td>"), std::string::npos);
}

}  // namespace
