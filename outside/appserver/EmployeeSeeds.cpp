// A demo staff of fifty for the age-distribution report: birth dates spread
// over forty years so every bracket of the default form has members.

#include <cstdio>
#include <string>

#include "outside/appserver/Seeder.h"
#include "outside/appserver/SqliteDb.h"

namespace appserver {

namespace {

constexpr const char* kSurnames[] = {"王", "李", "张", "刘", "陈", "杨", "黄", "赵", "吴", "周"};
constexpr const char* kGiven[] = {"伟", "芳", "娜", "敏", "静", "强", "磊", "洋", "艳", "杰"};
constexpr const char* kDepartments[] = {"A01", "A02", "B01", "B02", "C01", "C02", "D01", "D02"};

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

}  // namespace

void SeedEmployees(SqliteDb& db) {
    SqliteStatement insert = db.Prepare("INSERT INTO EMPLOYEE VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
    for (int i = 0; i < 50; ++i) {
        char id[16];
        std::snprintf(id, sizeof id, "E%04d", i + 1);
        std::string name = std::string(kSurnames[i % 10]) + kGiven[(i * 7 + 3) % 10];
        if (i % 3 == 0)
            name += kGiven[(i / 3) % 10];
        std::string dept = kDepartments[i % 8];
        int birthYear = 1960 + (i * 37) % 41;  // 1960..2000
        int hireYear = birthYear + 20 + i % 5;
        if (hireYear > 2023)
            hireYear = 2023;
        insert.Bind(1, std::string(id))
            .Bind(2, name)
            .Bind(3, std::string(CompanyOf(dept)))
            .Bind(4, dept)
            .Bind(5, Ymd(birthYear, 1 + (i * 5) % 12, 1 + (i * 11) % 28))
            .Bind(6, std::string(i % 2 ? "F" : "M"))
            .Bind(7, Ymd(hireYear, 1 + i % 12, 1))
            .Bind(8, std::string(i == 49 ? Ymd(2022, 6, 30) : ""));
        insert.Run();
        insert.Reset();
    }
}

}  // namespace appserver
