#include "outside/host/ShellLogin.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <sstream>
#include <stdexcept>

#include "platform/os/Files.h"

namespace host {

namespace {

std::string ScenarioUser(const nlohmann::json& scenario) {
    if (scenario.contains("params") && scenario["params"].is_array() && !scenario["params"].empty() &&
        scenario["params"][0].is_string())
        return scenario["params"][0].get<std::string>();
    return "796";
}

std::string FilePassword(const std::string& file, const std::string& user) {
    struct stat st {};
    if (::lstat(file.c_str(), &st) != 0)
        return "";
    if (!S_ISREG(st.st_mode) || st.st_uid != ::getuid() || (st.st_mode & 077) != 0)
        throw std::runtime_error("\"" + file + "\" refused: a credentials file must be a plain file of its owner "
                                 "that nobody else may read (chmod 600)");
    std::string text;
    if (!rt::ReadFileToString(file, text))
        throw std::runtime_error("cannot read " + file);
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string code, password;
        if (fields >> code >> password && code == user)
            return password;
    }
    return "";
}

}  // namespace

rt::RemoteCredentials ShellLogin(const nlohmann::json& scenario, const std::string& homeFolder) {
    rt::RemoteCredentials login{ScenarioUser(scenario), ""};
    if (const char* password = std::getenv("HEMR07_PASSWORD"); password != nullptr && *password != '\0')
        login.password = password;
    else
        login.password = FilePassword(homeFolder + "/credentials", login.user);
    return login;
}

}  // namespace host
