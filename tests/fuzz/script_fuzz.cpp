// Any text as a scenario script: every line is either refused by the reader or applied to the
// game as the window would apply it, and the engine's rules hold after every action. File
// actions stay inside a scratch folder.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "engine/script.h"
#include "tests/support/invariants.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string sandbox = [] {
        const auto dir = std::filesystem::temp_directory_path() /
                         ("corvane_script_fuzz_" + std::to_string(getpid()));
        std::filesystem::create_directories(dir);
        return dir.string();
    }();
    std::string_view text(reinterpret_cast<const char*>(data), size);
    corvane::Engine engine;
    int actions = 0;
    while (!text.empty() && actions < 400) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        const corvane::ScriptLine parsed = corvane::parse_script_line(line);
        if (const auto* action = std::get_if<corvane::ScriptAction>(&parsed)) {
            ++actions;
            corvane::run_script_action(engine, *action, sandbox);
            if (!corvane::broken_invariant(engine).empty()) {
                __builtin_trap();
            }
        }
    }
    return 0;
}
