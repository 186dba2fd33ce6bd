// Any bytes as a settings file, applied to a game with bets on show: either nothing changes
// and a message says why, or the options change and the game goes on normally.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/engine.h"
#include "tests/support/invariants.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using corvane::Engine;
    const auto require = [](bool ok) {
        if (!ok) {
            __builtin_trap();
        }
    };
    Engine engine;
    for (int i = 0; i < 7; ++i) {
        engine.apply(corvane::SettingOp::CL12_Step, {}, -1);
    }
    for (int n : {2, 1, 4, 3, 0, 13, 26, 5}) {
        engine.spin(n);
    }
    const corvane::SettingsText text_before = engine.settings_text();
    const double bankroll_before = engine.game().bankroll;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const corvane::Message message = engine.load_settings_from(bytes);
    require(corvane::broken_invariant(engine).empty());
    if (message) {
        require(engine.settings_text() == text_before);
        require(engine.game().bankroll == bankroll_before);
    } else {
        require(engine.settings_text().size() >= static_cast<std::size_t>(corvane::kSettingsLines));
    }
    for (int n : {0, 8, 30, 11, 22}) {
        require(engine.spin(n));
        require(corvane::broken_invariant(engine).empty());
    }
    return 0;
}
