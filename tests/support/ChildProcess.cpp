#include "support/ChildProcess.h"

#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace vantro::testing {

ChildProcess::ChildProcess(const std::vector<std::string>& arguments)
{
    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0) return;
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    std::vector<char*> argv;
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    if (::posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
    ::posix_spawn_file_actions_destroy(&actions);
    ::close(pipeEnds[1]);
    output_ = pipeEnds[0];
}

ChildProcess::~ChildProcess()
{
    Kill();
    if (output_ >= 0) ::close(output_);
}

std::string ChildProcess::ReadLine()
{
    std::string line;
    char c = 0;
    while (output_ >= 0 && ::read(output_, &c, 1) == 1 && c != '\n') line += c;
    return line;
}

void ChildProcess::Kill()
{
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = -1;
}

std::vector<std::string> BackupWriterArguments(const std::string& folder, const std::string& drawing)
{
    return {VANTRO_BACKUP_WRITER, folder, drawing};
}

}  // namespace vantro::testing
