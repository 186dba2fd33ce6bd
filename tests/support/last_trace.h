// The state a script leaves, as corvane-backtest --script FILE --trace prints it on its last line.
#pragma once

#include <cstdio>
#include <string>

namespace corvane::testing {

inline std::string last_trace_line(const std::string& tool, const std::string& script) {
    const std::string command = tool + " --script '" + script + "' --trace";
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    char buffer[65536];
    std::size_t n = 0;
    while (pipe != nullptr && (n = fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        out.append(buffer, n);
    }
    if (pipe != nullptr) {
        pclose(pipe);
    }
    if (!out.empty() && out.back() == '\n') {
        out.pop_back();
    }
    return out.substr(out.rfind('\n') + 1);
}

}  // namespace corvane::testing
