#include "src/environment/LibSys.h"

#include "platform/os/Files.h"
#include "platform/os/Paths.h"
#include "platform/os/Registry.h"
#include "platform/os/SysInfo.h"
#include "platform/sysutils/Clock.h"
#include "platform/sysutils/DateFormat.h"
#include "platform/sysutils/Format.h"
#include "platform/sysutils/StrUtils.h"

#include <exception>

namespace hemr {

namespace {

constexpr const char* KestrelKey = "Software\\NVR\\Kestrel";
constexpr size_t LongTempDirLimit = 260;
constexpr size_t GeneratorTempDirLimit = 255;
// Stands where the generator log fell back to the system drive's temp folder.
constexpr const char* GeneratorFallbackDir = "/tmp";
constexpr const char* ReportRule = "----------------------------------";

std::string LogFolder(const std::string& homeDir) {
    return rt::IncludeTrailingPathDelimiter(rt::ToNativePath(homeDir)) + "Log";
}

bool HasPathSeparator(const std::string& name) {
    return name.find('/') != std::string::npos || name.find('\\') != std::string::npos;
}

bool AppendLogLine(const std::string& fileName, const std::string& stamp, const std::string& message) {
    if (!rt::ForceDirectories(rt::ExtractFileDir(fileName))) return false;
    return rt::AppendLineToFile(fileName, "[" + stamp + "] " + message);
}

std::string AlertHomeDir() {
    std::string home = GetKestrelHomeDir();
    return home.empty() ? rt::ExtractFilePath(rt::GetProgramFileName()) : home;
}

std::string GeneratorHomeDir() {
    try {
        std::string home = GetKestrelHomeDir();
        if (!home.empty()) return home;
    } catch (const std::exception&) {
        return GeneratorFallbackDir;
    }
    std::string temp = rt::GetTempPath();
    return temp.empty() || temp.size() > GeneratorTempDirLimit ? GeneratorFallbackDir : temp;
}

std::string ErrorLine(const char* className, int index, int code, const std::string& message) {
    return rt::Format("%s Error %.2d: Code: %d, Message: %s", {className, index, code, message});
}

// The detail lines of one exception; returns how many errors they list.
int WriteErrorDetails(const rt::Exception& error) {
    if (const auto* db = dynamic_cast<const rt::EDBEngineError*>(&error); db && !db->Errors().empty()) {
        int index = 0;
        for (const rt::EDBEngineError::Error& entry : db->Errors())
            WriteGeneratorLog(ErrorLine("EDBEngineError", ++index, entry.code, entry.message));
        return index;
    }
    if (const auto* os = dynamic_cast<const rt::EOSError*>(&error)) {
        WriteGeneratorLog(ErrorLine("EWin32Error", 1, static_cast<int>(os->ErrorCode()), os->Message()));
        return 1;
    }
    if (const auto* io = dynamic_cast<const rt::EInOutError*>(&error)) {
        WriteGeneratorLog(ErrorLine("EInOutError", 1, io->ErrorCode(), io->Message()));
        return 1;
    }
    // The message is appended after formatting: a "%" in it must not be read as a directive.
    WriteGeneratorLog(rt::Format("Exception is %s\r\nMessage %.2d: ", {error.ClassName(), 1}) + error.Message());
    return 1;
}

}  // namespace

std::string GetKestrelHomeDir() {
    rt::TRegistry registry;
    registry.SetRootKey(rt::HKEY_LOCAL_MACHINE);
    if (!registry.OpenKeyReadOnly(KestrelKey)) return {};
    std::string home = registry.ReadString("ClientPath");
    return home.empty() ? registry.ReadString("ServerPath") : home;
}

std::string GetLongTempDir() {
    std::string path = rt::GetLongPathName(rt::GetTempPath());
    return path.size() > LongTempDirLimit ? std::string() : path;
}

std::string AlertPeriodStamp(const std::string& period) {
    const char* pattern = period == "M" ? "yyyymm" : period == "Y" ? "yyyy" : "yyyymmdd";
    return rt::FormatDateTime(pattern, rt::Now());
}

std::string AlertLogFileName(const std::string& homeDir, const std::string& name, const std::string& period) {
    std::string file = LogFolder(homeDir) + "/Alert_" + name + "_" + AlertPeriodStamp(period);
    return name.find('.') == std::string::npos ? file + ".log" : file;
}

std::string GeneratorLogFileName(const std::string& homeDir) {
    return LogFolder(homeDir) + "/Alert_TKOPSGenerator_" + rt::FormatDateTime("yyyymmdd", rt::Now()) + ".log";
}

bool WriteAlertLog(const std::string& name, const std::string& message, const std::string& period) {
    try {
        if (HasPathSeparator(name)) return false;
        std::string stamp = rt::FormatDateTime("yyyy/mm/dd hh:nn:ss:zzz", rt::Now());
        return AppendLogLine(AlertLogFileName(AlertHomeDir(), name, period), stamp, message);
    } catch (const std::exception&) {
        return false;
    }
}

bool WriteGeneratorLog(const std::string& message) {
    try {
        std::string stamp = rt::DateTimeToStr(rt::Now());
        return AppendLogLine(GeneratorLogFileName(GeneratorHomeDir()), stamp, message);
    } catch (const std::exception&) {
        return false;
    }
}

void WriteExceptionReport(const rt::Exception* error, const std::string& location,
                          const std::string& programmerMessage) {
    std::string middle = rt::Trim(location).empty() ? std::string() : " on " + location + " ";
    WriteGeneratorLog(ReportRule + middle + ReportRule);
    if (error) {
        WriteGeneratorLog("讯息信息:");
        int count = WriteErrorDetails(*error);
        WriteGeneratorLog(rt::Format("ErrorMessage Count: %d", {count}));
    }
    if (!rt::Trim(programmerMessage).empty()) WriteGeneratorLog("Programer Message: " + programmerMessage);
}

}  // namespace hemr
