// Runs corvane-backtest on a script and collects what it printed.
#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/command.h"
#include "tests/support/files.h"
#include "tests/support/json.h"

namespace corvane::testing {

struct ToolRun {
    int status = -1;
    std::vector<std::string> lines;  // standard output, one entry per line
    std::string err;                 // standard error
    Json trace(std::size_t i) const { return parse_json(lines.at(i)); }
};

// Runs the tool with `args`; `script` (if not empty) is written to a file passed as --script.
inline ToolRun run_tool(const std::string& args, const std::string& script = {}) {
    static int counter = 0;
    const std::string base = temp_path("run" + std::to_string(++counter));
    std::string cmd = std::string(CORVANE_BACKTEST) + " " + args;
    if (!script.empty()) {
        std::ofstream(base + ".script", std::ios::binary) << script;
        cmd += " --script " + base + ".script";
    }
    cmd += " 2>" + base + ".err";
    const CommandRun done = run_command(cmd);
    ToolRun run;
    run.status = done.status;
    std::istringstream lines(done.out);
    for (std::string line; std::getline(lines, line);) {
        run.lines.push_back(line);
    }
    std::ifstream err(base + ".err");
    run.err.assign(std::istreambuf_iterator<char>(err), std::istreambuf_iterator<char>());
    return run;
}

}  // namespace corvane::testing
