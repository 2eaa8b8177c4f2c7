#pragma once
// hemr07-host serve: the plug-in's forms in a web browser on loopback. Runs
// the plug-in as `run` does, with the page as the modal and dialog driver,
// prints the page's address as a transcript line ({"serve": ADDRESS}) and
// keeps serving the result until interrupted (SIGINT or SIGTERM), which
// also cancels a form still open.

#include <string>

#include "outside/host/ServerActivity.h"
#include "outside/host/Transcript.h"

namespace host::serve {

class ServeCommand {
public:
    ServeCommand(std::string plugin, int port, ServerActivity& activity, Transcript& transcript);

    // The exit code: 0, or 1 when the session or serving failed.
    int Run();

    // The installation's LangType, told to the session (PluginSession::SetLanguage).
    void SetLanguage(std::string langType) { langType_ = std::move(langType); }

private:
    std::string plugin_;
    std::string langType_;
    int port_;
    ServerActivity& activity_;
    Transcript& transcript_;
};

}  // namespace host::serve
