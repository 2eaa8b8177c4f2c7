#pragma once
// An install folder whose client configuration names the local server, with
// the embedded application server registered in-process; made once per run.

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "outside/appserver/ServerObjects.h"
#include "platform/forms/TApplication.h"
#include "src/shell/Hemr07C.h"

namespace hemr_bench {

class TBenchHome {
public:
    TBenchHome() {
        char pattern[] = "/tmp/hemr-bench-XXXXXX";
        folder_ = mkdtemp(pattern) != nullptr ? pattern : "/tmp";
        std::filesystem::create_directories(folder_ + "/server");
        Write("nvr.reg", "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\NVR\\Kestrel]\r\n\"ClientPath\"=\"" + folder_ +
                             "/\"\r\n\"ServerPath\"=\"" + folder_ + "/server/\"\r\n");
        Write("KestrelC.ini", "[CodePage]\r\nUICodePage=936\r\n[Server Information]\r\nComputerName=127.0.0.1\r\n");
        setenv("NVR_REGISTRY", (folder_ + "/nvr.reg").c_str(), 1);
        setenv("NVR_ACP", "936", 1);
        appserver::RegisterServerObjects(folder_ + "/server");
        hemr::Hemr07CMain();
        rt::Application().SetModalDriver([](rt::TCustomForm&) {});
    }
    ~TBenchHome() {
        appserver::UnregisterServerObjects();
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    const std::string& Folder() const { return folder_; }

private:
    void Write(const std::string& name, const std::string& text) const {
        std::ofstream(folder_ + "/" + name, std::ios::binary) << text;
    }
    std::string folder_;
};

inline TBenchHome& Home() {
    static TBenchHome home;
    return home;
}

}  // namespace hemr_bench
