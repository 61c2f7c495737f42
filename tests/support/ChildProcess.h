// A program started with its standard output on a pipe, killed and reaped when it goes out of
// scope, for the tests that kill a program at random moments.
#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace vantro::testing {

class ChildProcess {
public:
    explicit ChildProcess(const std::vector<std::string>& arguments);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return pid_ > 0; }
    // The next line the program writes, without its end; empty when it ends first.
    std::string ReadLine();
    // SIGKILL, then waits for it to end.
    void Kill();

private:
    pid_t pid_ = -1;
    int output_ = -1;
};

// The backup writer beside the tests: it reads DRAWING and writes auto-save backups to FOLDER,
// the drawing and the drawing doubled in turn, without end, saying "ready" after the first.
std::vector<std::string> BackupWriterArguments(const std::string& folder, const std::string& drawing);

}  // namespace vantro::testing
