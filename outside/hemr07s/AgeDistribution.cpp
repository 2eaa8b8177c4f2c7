#include "outside/hemr07s/AgeDistribution.h"

namespace hemr07s {

namespace {

bool EmployedOn(const Employee& e, const std::string& day) {
    bool hired = e.hireDate.empty() || e.hireDate <= day;
    bool left = !e.leaveDate.empty() && e.leaveDate <= day;
    return hired && !left;
}

void Add(int& total, int& male, int& female, const std::string& gender) {
    ++total;
    if (gender == "M")
        ++male;
    else if (gender == "F")
        ++female;
}

}  // namespace

int AgeOn(const std::string& birthday, const std::string& on) {
    int years = std::stoi(on.substr(0, 4)) - std::stoi(birthday.substr(0, 4));
    // Before the birthday in that year the last year is not completed yet.
    return on.substr(4) < birthday.substr(4) ? years - 1 : years;
}

AgeDistribution AgeDistribution::Empty(const AgeConditions& c) {
    AgeDistribution d;
    for (const AgeBracket& b : c.brackets)
        d.rows.push_back({b});
    return d;
}

void AgeDistribution::Tally(const AgeConditions& c, const Employee& e) {
    if (!c.companies.Matches(e.company) || !c.departments.Matches(e.department) || !EmployedOn(e, c.statDate))
        return;
    if (!IsYmdDate(e.birthday) || e.birthday > c.statDate)
        return;
    int age = AgeOn(e.birthday, c.statDate);
    for (BracketCount& row : rows) {
        if (row.bracket.Contains(age)) {
            Add(row.total, row.male, row.female, e.gender);
            Add(total, male, female, e.gender);
            return;
        }
    }
}

AgeDistribution AgeDistribution::Count(const AgeConditions& c, const std::vector<Employee>& staff) {
    AgeDistribution d = Empty(c);
    for (const Employee& e : staff)
        d.Tally(c, e);
    return d;
}

}  // namespace hemr07s
