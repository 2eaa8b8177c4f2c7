#pragma once
// The condition form's side of the shell's server session: the session
// object and its three services, the cache of system settings, the program
// catalogue, value checks and queries, counters, message texts, help and
// the session information (rights) the schedule form fetches. Every call is
// late-bound by name; a missing service answers its neutral value.

#include <map>
#include <string>

#include "platform/core/Variant.h"

namespace hemr {

class ISessionContext;

inline constexpr const char* kSessionProgID = "OstrelWorkCenter.Manager";

// What the program catalogue says of a program.
struct TProgramEntry {
    std::string Name;
    bool WantLog = false;
};

class TServerSession {
public:
    explicit TServerSession(ISessionContext& context);

    const rt::Variant& SessionObject() const { return session_; }
    void SetSessionObject(const rt::Variant& session) { session_ = session; }
    const rt::Variant& Counter() const { return counter_; }
    const rt::Variant& Validator() const { return validator_; }
    const rt::Variant& F2Window() const { return f2Window_; }

    // Reads Com_Counter (reloading the settings) and Com_Validator; with
    // `createLocally` the session object is created first (the stand-alone
    // run of a module that is no library). A failure leaves a service empty.
    void FetchServices(bool createLocally);
    void FetchF2Window();
    // The session's ProductID, 3 when it cannot be read.
    int32_t ReadProductID() const;
    // Drops the three services; the session object stays.
    void ReleaseServices();
    // Drops the services and the session object.
    void Release();

    // An empty name reloads the cache and answers "". SYS007..SYS010 have
    // captions of their own when no value is stored.
    std::string GetSysSetting(const std::string& name);
    // CheckValue (or QueryData with `query`) on the validator; false without it or on any error.
    bool QueryValue(const std::string& entity, const std::string& company, bool query, rt::Variant& out,
                    const rt::Variant& key);
    // Unassigned without the counter service or on an error.
    rt::Variant GetCounter(const std::string& name, const rt::Variant& key);
    std::string GetMessageText(const std::string& type, const std::string& number);
    // The catalogue entry of "ADMMB"; on an exception the code itself names the program.
    TProgramEntry LookupProgram(const std::string& programCode);
    // Errors are ignored: help is a convenience.
    void CallHelp(const std::string& system, const std::string& topic);
    // The update description of one server library, "" when the session cannot tell.
    std::string GetFileList(const std::string& fileName);

    // The rights array [.., rights line, .., web text, prefix, parameters]
    // as GetPower answers it.
    void SetSessionInfo(const rt::Variant& info);
    const std::string& RightsText() const { return rightsText_; }
    bool RightsFlag1() const { return rightsFlag1_; }
    bool RightsFlag2() const { return rightsFlag2_; }
    const std::string& WebText() const { return webText_; }

    void SetProductID(int32_t id) { productID_ = id; }

private:
    rt::Variant ReadService(const char* name) const;
    void ReloadSettings();
    rt::Variant FromDB(const rt::Variant& value) const;

    ISessionContext& context_;
    rt::Variant session_;
    rt::Variant counter_;
    rt::Variant validator_;
    rt::Variant f2Window_;
    // Setting names compared without case, as the server's list is.
    std::map<std::string, std::string> settings_;
    int32_t productID_ = 3;
    std::string rightsText_;
    bool rightsFlag1_ = false;
    bool rightsFlag2_ = false;
    std::string webText_;
};

}  // namespace hemr
