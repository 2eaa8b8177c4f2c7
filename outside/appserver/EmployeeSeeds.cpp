// A demo staff for the age-distribution report: twelve people in every
// department, men and women in each, ages from the early twenties to past
// sixty, and in each department one who has left, so that every column of
// the report has something to count whichever departments are chosen.

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <string>

#include "outside/appserver/Seeder.h"
#include "outside/appserver/SqliteDb.h"

namespace appserver {

namespace {

constexpr const char* kSurnames[] = {"王", "李", "张", "刘", "陈", "杨", "黄", "赵", "吴", "周"};
constexpr const char* kGiven[] = {"伟", "芳", "娜", "敏", "静", "强", "磊", "洋", "艳", "杰"};
constexpr const char* kDepartments[] = {"A01", "A02", "B01", "B02", "C01", "C02", "D01", "D02"};
constexpr int kPerDepartment = 12;
// Ages in 2024, more of them in the middle years, as a workforce has them.
constexpr int kAges[kPerDepartment] = {22, 26, 29, 31, 34, 37, 40, 43, 47, 52, 57, 61};

// Department -> company, as seeded in CMSME.
const char* CompanyOf(const std::string& dept) {
    if (dept[0] == 'A' || dept[0] == 'B')
        return "01";
    return dept[0] == 'C' ? "02" : "03";
}

std::string Ymd(int year, int month, int day) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", year, month, day);
    return text;
}

struct DemoEmployee {
    std::string id, name, dept, birthday, gender, hired, left;
};

// Member `k` of department `d`; the arithmetic only mixes the slots so that
// departments differ from one another.
DemoEmployee Member(int d, int k) {
    const int n = d * kPerDepartment + k;
    DemoEmployee e;
    char id[16];
    std::snprintf(id, sizeof id, "E%04d", n + 1);
    e.id = id;
    e.name = std::string(kSurnames[n % 10]) + kGiven[(n * 7 + 3) % 10];
    if (n % 3 == 0)
        e.name += kGiven[(n / 3) % 10];
    e.dept = kDepartments[d];
    // Two women in every five places, in a different order in each department.
    e.gender = (k + d) % 5 == 0 || (k + d) % 5 == 2 ? "F" : "M";
    const int birthYear = 2024 - kAges[(k * 5 + d * 3) % kPerDepartment] - (d % 3) + 1;
    e.birthday = Ymd(birthYear, 1 + (k * 7 + d) % 12, 1 + (k * 11 + d * 5) % 28);
    int hireYear = birthYear + 21 + (k * 3 + d) % 9;
    if (hireYear > 2023)
        hireYear = 2023;
    e.hired = Ymd(hireYear, 1 + (k + d) % 12, 1);
    // One in each department left before the examples' statistics date.
    if (k == (d % 2 == 0 ? 4 : 9))
        e.left = Ymd(std::min(2024, std::max(hireYear + 1, 2019 + d % 4)), 1 + d % 5, 28);
    return e;
}

}  // namespace

void SeedEmployees(SqliteDb& db) {
    SqliteStatement insert = db.Prepare("INSERT INTO EMPLOYEE VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
    for (int d = 0; d < static_cast<int>(std::size(kDepartments)); ++d) {
        for (int k = 0; k < kPerDepartment; ++k) {
            const DemoEmployee e = Member(d, k);
            insert.Bind(1, e.id)
                .Bind(2, e.name)
                .Bind(3, std::string(CompanyOf(e.dept)))
                .Bind(4, e.dept)
                .Bind(5, e.birthday)
                .Bind(6, e.gender)
                .Bind(7, e.hired)
                .Bind(8, e.left);
            insert.Run();
            insert.Reset();
        }
    }
}

}  // namespace appserver
