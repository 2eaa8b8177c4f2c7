// The shipped HEMR07 examples through hemr07-host on the embedded default:
// a job submitted with OK, and the report run directly with its file
// checked against the demo staff in the server's database.

#include <algorithm>
#include <array>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "outside/appserver/ServerStore.h"
#include "tests/outside/host/HostProcess.h"
#include "tests/platform/os/TempFolder.h"

namespace {

using outside_test::HostRun;
using outside_test::LinesWith;
using outside_test::RunHost;
using outside_test::SourceFolder;
using nlohmann::json;

// What the examples fill in: companies 01..02, departments A01 and C01, the
// statistics date and the brackets 25, 25-30 ... 55-60, 60 up.
constexpr const char* kStatDate = "20240630";
const std::vector<std::string> kDepartments = {"A01", "C01"};
const std::vector<int> kBounds = {25, 30, 35, 40, 45, 50, 55, 60};

// The text of a byte string in the transcript, after checking its code page.
std::string BytesText(const json& v) {
    EXPECT_TRUE(v.is_object() && v.contains("bytes")) << "a byte string: " << v.dump();
    if (!v.is_object() || !v.contains("bytes")) return "";
    EXPECT_EQ(v["codepage"], 936) << v.dump();
    return v["bytes"].get<std::string>();
}

// Every text below `v` travels as a byte string in code page 936.
void ExpectAllTextsIn936(const json& v, const std::string& where) {
    if (v.is_string()) ADD_FAILURE() << "a wide string in " << where << ": " << v.dump();
    if (v.is_object() && v.contains("bytes")) {
        EXPECT_EQ(v["codepage"], 936) << where << ": " << v.dump();
        return;
    }
    if (v.is_object() && v.contains("items"))
        for (const json& item : v["items"]) ExpectAllTextsIn936(item, where);
}

TEST(Hemr07Scenario, TheJobExampleSubmitsTheFilledFormWithSixteenRowsIn936) {
    rt::test::TempFolder temp;
    const HostRun run = RunHost(temp.Path() + "/home", SourceFolder() + "/docs/examples/hemr07-job.json");
    ASSERT_EQ(run.exitCode, 0);
    const json result = run.lines.back()["result"];
    ASSERT_EQ(result["code"], 1) << run.lines.back().dump();
    const std::vector<json> jobs = LinesWith(run, "job");
    ASSERT_EQ(jobs.size(), 1u);
    const json& job = jobs[0];
    EXPECT_EQ(job["id"], result["data"]) << "the result data is the job identifier";
    EXPECT_EQ(job["program"], "HEMR07");
    EXPECT_EQ(job["status"], "QUEUED") << "put into the work queue";

    const json& parts = job["conditions"]["items"];
    ASSERT_EQ(parts.size(), 3u);
    const json& env = parts[0]["items"];
    const json& captions = parts[1]["items"];
    const json& values = parts[2]["items"];
    ASSERT_EQ(env.size(), 14u) << "fourteen environment items";
    EXPECT_EQ(env[1], 14);
    EXPECT_EQ(env[2], 16);
    EXPECT_EQ(env[9], 0) << "work queue";
    ASSERT_EQ(captions.size(), 16u);
    ASSERT_EQ(values.size(), 16u);
    ExpectAllTextsIn936(parts[1], "the captions");
    ExpectAllTextsIn936(parts[2], "the values");

    EXPECT_EQ(BytesText(captions[0]["items"][1]), "sp01");
    EXPECT_EQ(BytesText(captions[4]["items"][0]), "        __至__岁");
    EXPECT_EQ(BytesText(captions[15]["items"][1]), "edPrintDate");

    const json& companies = values[0]["items"];
    ASSERT_EQ(companies.size(), 3u) << "a range";
    EXPECT_EQ(BytesText(companies[0]), "\x04");
    EXPECT_EQ(BytesText(companies[1]), "01");
    EXPECT_EQ(BytesText(companies[2]), "02");
    const json& departments = values[1]["items"];
    ASSERT_EQ(departments.size(), 1u + kDepartments.size()) << "a list chosen in the lookup window";
    EXPECT_EQ(BytesText(departments[0]), "\x05");
    for (size_t i = 0; i < kDepartments.size(); ++i)
        EXPECT_EQ(BytesText(departments[i + 1]["items"][0]), kDepartments[i]);
    EXPECT_EQ(BytesText(values[2]), kStatDate);
    EXPECT_EQ(BytesText(values[3]), "25");
    EXPECT_EQ(BytesText(values[4]["items"][0]), "25");
    EXPECT_EQ(BytesText(values[4]["items"][1]), "30");
    EXPECT_EQ(BytesText(values[10]["items"][1]), "60");
    EXPECT_EQ(BytesText(values[11]), "60");
}

// ---- the direct query ----------------------------------------------------------------------

struct StaffMember {
    std::string company, department, birthday, gender, hired, left;
};

// Head count, men and women of one row of the report.
using Heads = std::array<int, 3>;

std::vector<StaffMember> Staff(const std::string& serverFolder) {
    auto store = appserver::ServerStore::Open(serverFolder);
    auto rows = store->Db().Prepare("SELECT COMPANY, DEPT, BIRTHDAY, GENDER, HIRE_DATE, LEAVE_DATE FROM EMPLOYEE");
    std::vector<StaffMember> staff;
    while (rows.Step()) staff.push_back({rows.Text(0), rows.Text(1), rows.Text(2), rows.Text(3), rows.Text(4), rows.Text(5)});
    return staff;
}

int CompletedYears(const std::string& birthday, const std::string& on) {
    const int years = std::stoi(on.substr(0, 4)) - std::stoi(birthday.substr(0, 4));
    return on.substr(4) < birthday.substr(4) ? years - 1 : years;
}

// Head counts by bracket label, from the staff table, as the examples choose.
std::map<std::string, Heads> ExpectedCounts(const std::vector<StaffMember>& staff) {
    std::map<std::string, Heads> counts;
    const std::string on = kStatDate;
    for (const StaffMember& s : staff) {
        const bool chosen = s.company >= "01" && s.company <= "02" &&
                            std::find(kDepartments.begin(), kDepartments.end(), s.department) != kDepartments.end();
        const bool employed = (s.hired.empty() || s.hired <= on) && (s.left.empty() || s.left > on);
        if (!chosen || !employed || s.birthday > on) continue;
        const int age = CompletedYears(s.birthday, on);
        std::string label;
        if (age < kBounds.front()) {
            label = std::to_string(kBounds.front()) + "岁以内";
        } else if (age >= kBounds.back()) {
            label = std::to_string(kBounds.back()) + "岁以上";
        } else {
            size_t i = 1;
            while (age >= kBounds[i]) ++i;
            label = std::to_string(kBounds[i - 1]) + "至" + std::to_string(kBounds[i]) + "岁";
        }
        for (const std::string& row : {label, std::string("合计")}) {
            ++counts[row][0];
            ++counts[row][s.gender == "M" ? 1 : 2];
        }
    }
    return counts;
}

// Label -> counts from the report's CSV file (label, from, to, total, male, female).
std::map<std::string, Heads> CsvCounts(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::map<std::string, Heads> counts;
    std::string line;
    std::getline(in, line);  // the heading
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::vector<std::string> fields;
        std::stringstream fieldsOf(line);
        for (std::string f; std::getline(fieldsOf, f, ',');) fields.push_back(f);
        if (fields.size() >= 6 && !fields[3].empty() && fields[3] != "0")
            counts[fields[0]] = {std::stoi(fields[3]), std::stoi(fields[4]), std::stoi(fields[5])};
    }
    return counts;
}

TEST(Hemr07Scenario, TheQueryExampleWritesAReportWhoseBracketsMatchTheStaff) {
    rt::test::TempFolder temp;
    const std::string home = temp.Path() + "/home";
    const HostRun run = RunHost(home, SourceFolder() + "/docs/examples/hemr07-query.json");
    ASSERT_EQ(run.exitCode, 0);
    for (const json& dialog : LinesWith(run, "dialog"))
        EXPECT_NE(dialog["kind"], "error") << dialog.dump();
    std::string csv;
    for (const json& report : LinesWith(run, "report")) {
        const std::string path = report["path"].get<std::string>();
        EXPECT_EQ(path.rfind(home + "/server/Report/", 0), 0u) << path;
        if (path.size() > 4 && path.substr(path.size() - 4) == ".csv") csv = path;
    }
    ASSERT_FALSE(csv.empty()) << "the direct query wrote its CSV file";

    const std::vector<StaffMember> staff = Staff(home + "/server");
    const std::map<std::string, Heads> expected = ExpectedCounts(staff);
    // The demo staff once held only men in A01 and C01, and the women's column read as a fault.
    EXPECT_GE(expected.at("合计")[1], 3) << "men in the examples' departments";
    EXPECT_GE(expected.at("合计")[2], 3) << "women in the examples' departments";
    EXPECT_GE(expected.size(), 6u) << "the chosen staff spread over most brackets";
    EXPECT_TRUE(std::any_of(staff.begin(), staff.end(), [](const StaffMember& s) {
        return s.department == "A01" && !s.left.empty() && s.left <= kStatDate;
    })) << "someone in A01 has left, and is not counted";
    EXPECT_EQ(CsvCounts(csv), expected) << "head count, men and women of every bracket";
}

}  // namespace
