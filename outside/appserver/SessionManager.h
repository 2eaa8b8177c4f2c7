#pragma once
// The shell's server session ("OstrelWorkCenter.Manager").
//
//   ProductID                  property, integer (integration setting "ProductID")
//   Com_Counter, Com_Validator, Com_F2Window   the service objects, one of each
//                              per session, sharing the session's database
//   Language                   property, text: the language of the client
//                              installation ("CHS", "CHT", "ENG"; set by the
//                              shell from its LangType); "CHS" when never set
//   GetMessage(type, number)   catalogue text, in English for a session whose
//                              Language is "ENG" (the Chinese text where a
//                              message has no English one); a number of fewer than six
//                              digits is padded with zeros ("1" = "000001");
//                              an unknown message answers
//                              "未定义的讯息 [type;number]"
//   CallHelp([system, topic])  records the topic in HELPLOG; answers nothing
//   GetFileList([name, ...])   describes the named server libraries of the
//                              folder S_PKG under the server folder, one element
//                              per name, in the order asked:
//       <FileList><File><Name>N</Name><Size>BYTES</Size>
//       <Modify>YYYYMMDDhhnnss</Modify><Path>PUBLISHED COPY</Path></File>...</FileList>
//                              the path's folder holds the zipped copy
//                              (LibraryPublisher.h): the server's folder
//                              "Published", or its HTTP address when the
//                              session is served over the network;
//                              a name ending in ".dll" stands for the ".so" of
//                              the same base name, letter case is ignored;
//                              a missing file has Size -1 and no Modify or Path;
//                              a name with a folder part is refused

#include <memory>

#include "outside/appserver/LibraryPublisher.h"
#include "outside/appserver/ServerStore.h"
#include "platform/automation/Dispatch.h"

namespace appserver {

class SessionManager : public rt::TAutoObject {
public:
    // `packageAddress`: where the network server serves the published
    // copies; empty for the in-process server.
    explicit SessionManager(StorePtr store, std::string packageAddress = "");
    std::string DispatchName() const override { return "OstrelWorkCenter.Manager"; }

    std::string GetMessage(const std::string& type, const std::string& number);
    void SetLanguage(const std::string& langType);
    std::string GetFileList(const std::vector<std::string>& names) const;

private:
    int ProductID();
    void CallHelp(const rt::Variant& topic);

    StorePtr store_;
    std::string language_ = "CHS";
    LibraryPublisher publisher_;
    rt::DispatchPtr counter_;
    rt::DispatchPtr validator_;
    rt::DispatchPtr f2Window_;
};

}  // namespace appserver
