#pragma once
// When a job runs, read from its condition array: environment item 10 says
// how (0 queue, 1 now, 2 at the moment of item 11), and a period block
// (element 3) makes it periodic: every occurrence of its cycle from the first
// run date at the run time, within its range. The next occurrence after a run
// follows the calendar of the first: days, weeks, months keep their weekday or
// day (lowered to a shorter month's end), hours add up as fractions.

#include <optional>
#include <string>

#include "platform/core/Variant.h"
#include "platform/sysutils/DateTime.h"

namespace appserver {

class JobSchedule {
public:
    enum class Mode { Queue = 0, Now = 1, AtTime = 2 };
    enum class Cycle { Days = 0, Weeks = 1, Months = 2, Hours = 3 };
    enum class Range { NoEnd = 0, Repetitions = 1, UntilDate = 2 };

    // Raises EServerError naming what cannot be read; `submitted` is the
    // moment the job was accepted (a queued or immediate job's first run).
    static JobSchedule Of(const rt::Variant& conditions, rt::TDateTime submitted);

    Mode RunMode() const { return mode_; }
    bool IsPeriodic() const { return periodic_; }
    bool IsQueued() const { return mode_ == Mode::Queue && !periodic_; }
    // The planned moment of the first run; nullopt when there is none (a
    // range that ends before its first occurrence).
    std::optional<rt::TDateTime> FirstRun() const { return first_; }
    // The occurrence after run number `runNumber` planned at `planned`;
    // nullopt when the job has no further run.
    std::optional<rt::TDateTime> NextAfter(rt::TDateTime planned, int runNumber) const;

private:
    std::optional<rt::TDateTime> Within(rt::TDateTime moment, int runNumber) const;
    void ReadPeriod(const rt::Variant& block, rt::TDateTime submitted);
    std::string FirstRunDate(const std::string& start) const;

    Mode mode_ = Mode::Queue;
    bool periodic_ = false;
    Cycle cycle_ = Cycle::Days;
    int every_ = 1;          // days, weeks or months
    double hours_ = 1;       // hourly cycle
    bool byWeekday_ = false; // monthly: the o-th weekday instead of a day
    int day_ = 1, ordinal_ = 0, weekday_ = 0;
    Range range_ = Range::NoEnd;
    int repetitions_ = 0;
    std::string endDate_;
    std::optional<rt::TDateTime> first_;
};

// "yyyy-mm-dd hh:nn:ss.zzz", the form moments are stored and compared in.
std::string MomentText(rt::TDateTime moment);
// The moment of such a text, or of "yyyy-mm-dd hh:nn[:ss]" or "yyyymmdd";
// nullopt when it does not read.
std::optional<rt::TDateTime> MomentFromText(const std::string& text);

}  // namespace appserver
