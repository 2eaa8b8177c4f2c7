#include "tests/outside/appserver/ServerProcess.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>
#include <vector>

#include "platform/remote/RemoteCredentials.h"
#include "tests/outside/appserver/TestHome.h"

extern char** environ;

namespace outside_test {

ServerProcess::ServerProcess(const std::string& home, const std::vector<std::string>& extra) {
    // This process's remote connections log in as the demo user 796.
    rt::SetRemoteCredentials({"796", "demo796"});
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        throw std::runtime_error("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 1);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    std::string exe = BinaryDir() + "/hemr07-appserver";
    std::vector<std::string> args = {exe, "--home", home, "--port", "0"};
    args.insert(args.end(), extra.begin(), extra.end());
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    int rc = posix_spawn(&pid_, exe.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    output_ = pipeEnds[0];
    if (rc != 0) {
        pid_ = -1;
        throw std::runtime_error("cannot start " + exe);
    }
    const std::string line = NextLine();
    size_t colon = line.rfind(':');
    if (line.rfind("listening on ", 0) != 0 || colon == std::string::npos) {
        Stop();
        throw std::runtime_error("server did not start: " + line);
    }
    port_ = std::stoi(line.substr(colon + 1));
}

std::string ServerProcess::NextLine() {
    std::string line;
    char c;
    while (output_ >= 0 && read(output_, &c, 1) == 1 && c != '\n')
        line += c;
    return line;
}

int ServerProcess::Stop() {
    if (pid_ <= 0)
        return -1;
    kill(pid_, SIGTERM);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
    if (output_ >= 0)
        close(output_);
    output_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

ServerProcess::~ServerProcess() { Stop(); }

}  // namespace outside_test
