// Runs a shell command and collects what it printed, for tests of either framework.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace corvane::testing {

struct CommandRun {
    int status = -1;  // the exit code; -1 when it did not start or did not exit
    std::string out;  // standard output, whole
};

inline CommandRun run_command(const std::string& command) {
    CommandRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return run;
    }
    char buffer[65536];
    std::size_t n = 0;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        run.out.append(buffer, n);
    }
    const int rc = pclose(pipe);
    run.status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    return run;
}

// The state a script leaves, as corvane-backtest --script FILE --trace prints it on its last
// line.
inline std::string last_trace_line(const std::string& tool, const std::string& script) {
    std::string out = run_command(tool + " --script '" + script + "' --trace").out;
    if (!out.empty() && out.back() == '\n') {
        out.pop_back();
    }
    return out.substr(out.rfind('\n') + 1);
}

}  // namespace corvane::testing
