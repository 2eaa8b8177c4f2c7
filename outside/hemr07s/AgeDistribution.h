#pragma once
// Counting the staff by age bracket. Counted are the employees of the chosen
// companies and departments who are employed on the statistics date (hired
// on or before it, not yet left) and born on or before it; the age is in
// completed years on that date.

#include <string>
#include <vector>

#include "outside/hemr07s/AgeConditions.h"

namespace hemr07s {

struct Employee {
    std::string id, company, department, birthday, gender, hireDate, leaveDate;  // dates "YYYYMMDD"
};

struct BracketCount {
    AgeBracket bracket;
    int total = 0, male = 0, female = 0;
};

struct AgeDistribution {
    std::vector<BracketCount> rows;  // one per bracket, in bracket order
    int total = 0, male = 0, female = 0;

    static AgeDistribution Count(const AgeConditions& conditions, const std::vector<Employee>& staff);
    // No one counted yet; Tally then counts one employee at a time, so that
    // the staff can be streamed from the database instead of held.
    static AgeDistribution Empty(const AgeConditions& conditions);
    void Tally(const AgeConditions& conditions, const Employee& employee);
};

// Completed years between two "YYYYMMDD" dates; negative when born after `on`.
int AgeOn(const std::string& birthday, const std::string& on);

}  // namespace hemr07s
