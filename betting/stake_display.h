// The texts that close every spin: the stake labels and the chain hints.
#pragma once

#include <string>

#include "betting/table_state.h"

namespace corvane {

// Button_ShowValues: every stake label takes its category's current stake.
void show_values(TableState& table);

// Hints: each category with a chain flag set takes the text of its highest flagged chain;
// a category without one keeps its earlier text.
void update_hints(TableState& table);

// "Chain 3  (1 = RED, 0 = BLACK):  011011011011..."; empty while no chain was described.
std::string hint_text(CategoryId category, HintRef hint);

// The caption of a chain label: "Ch 5".
std::string chain_label_text(int chain);

}  // namespace corvane
