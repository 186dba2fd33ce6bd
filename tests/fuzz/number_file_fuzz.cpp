// Any bytes as a number file, loaded into a game in progress: either the load is refused with
// a message and the game stays exactly as it was, or the game becomes the file's numbers and
// goes on normally.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/engine.h"
#include "tests/support/invariants.h"

namespace {

// A broken rule stops the fuzzer at once, with the rule in the stack trace's frame.
void require(bool ok, const char* /*rule*/) {
    if (!ok) {
        __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using corvane::Engine;
    Engine engine;
    for (int n : {2, 1, 3, 5, 0, 7, 9, 12, 14, 16, 18, 19, 21, 4}) {
        engine.spin(n);
    }
    const corvane::GameState before = engine.game();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const corvane::Message message = engine.load_numbers_from(bytes);
    require(corvane::broken_invariant(engine).empty(), "invariants after the load");
    if (message) {
        require(engine.game().numbers == before.numbers, "a refused file changes no number");
        require(engine.game().stats == before.stats, "a refused file changes no statistic");
        require(engine.game().bankroll == before.bankroll, "a refused file changes no money");
        require(engine.game().undo_available == before.undo_available, "nor the undo");
    } else {
        require(engine.game().numbers.size() <= size, "no more numbers than bytes");
        require(!engine.game().undo_available, "a load offers no undo");
    }
    for (int n : {0, 36, 17}) {
        require(engine.spin(n), "the board takes numbers after a load");
        require(corvane::broken_invariant(engine).empty(), "invariants after a spin");
    }
    return 0;
}
