#include "outside/appserver/InputDay.h"

#include <cctype>

#include "outside/appserver/ServerError.h"
#include "outside/appserver/ServerValues.h"
#include "platform/core/Exceptions.h"
#include "platform/sysutils/DateTime.h"
#include "platform/sysutils/StrUtils.h"

namespace appserver {

bool IsInputDay(const std::string& ymd) {
    if (ymd.size() != 8)
        return false;
    for (char c : ymd)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    int year = std::stoi(ymd.substr(0, 4));
    return year >= 1753 && rt::IsValidDate(year, std::stoi(ymd.substr(4, 2)), std::stoi(ymd.substr(6, 2)));
}

std::string ShownDay(const std::string& ymd, bool rocYears) {
    int year = std::stoi(ymd.substr(0, 4));
    std::string shownYear = rocYears ? std::to_string(year - 1911) : ymd.substr(0, 4);
    return shownYear + "/" + ymd.substr(4, 2) + "/" + ymd.substr(6, 2);
}

InputDayRequest InputDayRequest::Parse(const rt::Variant& request, const std::string& today) {
    const rt::Variant& a = request.Deref();
    if (!a.IsArray() || a.DimCount() != 1 || a.ElementCount() < 2)
        throw EServerError("ShowInputDay needs [ROC flag, start date, database]");
    InputDayRequest r;
    try {
        const rt::Variant& flag = a[a.LowBound()].Deref();
        r.rocYears = !flag.IsEmpty() && flag.ToBool();
    } catch (const rt::Exception&) {
        throw EServerError("ShowInputDay: the ROC flag is not a boolean");
    }
    std::string start = rt::Trim(ArgText(a[a.LowBound() + 1]));
    // The forms send whatever the field held; anything that is not a date starts at today.
    r.start = IsInputDay(start) ? start : today;
    r.dbName = a.ElementCount() > 2 ? ArgText(a[a.LowBound() + 2]) : "";
    return r;
}

}  // namespace appserver
