#pragma once
// Where the module lives on disk and its two append-only logs: the alert log
// ("Alert_<name>_<period>.log") and the generator log with its exception
// reports. Every write opens, appends one whole line and closes, so concurrent
// writers never see a half line; a failure to log is never raised.

#include "platform/core/Exceptions.h"

#include <string>

namespace hemr {

// "ClientPath" of "Software\NVR\Kestrel" under HKEY_LOCAL_MACHINE, else its
// "ServerPath", else "". Raises ERegistryException for a value that is not text.
std::string GetKestrelHomeDir();

// The temporary folder with long names, "" when it is longer than 260 characters.
std::string GetLongTempDir();

// "D" -> "YYYYMMDD", "M" -> "YYYYMM", "Y" -> "YYYY" of today; any other period as "D".
std::string AlertPeriodStamp(const std::string& period);
// Full name of the alert log file for `name` and `period`, under `homeDir`/Log.
std::string AlertLogFileName(const std::string& homeDir, const std::string& name, const std::string& period);
// Full name of today's generator log file under `homeDir`/Log.
std::string GeneratorLogFileName(const std::string& homeDir);

// Appends "[YYYY/MM/DD hh:nn:ss:zzz] message" to the alert log `name` under the
// home folder (else the program's folder). False when it could not be written,
// also for a name holding a path separator, which would leave the Log folder.
bool WriteAlertLog(const std::string& name, const std::string& message, const std::string& period);

// Appends "[<date and time>] message" to today's generator log.
bool WriteGeneratorLog(const std::string& message);

// The report block of an exception in the generator log: a rule line naming
// `location`, the error details by exception class and `programmerMessage`.
// `error` may be null (only the rule line and the programmer message).
void WriteExceptionReport(const rt::Exception* error, const std::string& location,
                          const std::string& programmerMessage);

}  // namespace hemr
