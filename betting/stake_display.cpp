#include "betting/stake_display.h"

#include "chains/catalogue.h"

namespace corvane {

void show_values(TableState& table) {
    for (CategoryId c : kAllCategories) {
        table.stake_label[index_of(c)] = table.category(c).bet;
    }
}

void update_hints(TableState& table) {
    for (CategoryId c : kAllCategories) {
        // With several flags set, each writes in turn and the highest chain's text stays.
        // Chosen without a branch: a chain is active now and then, at random.
        const CategoryState& state = table.category(c);
        const int k = state.highest_chain();
        const HintRef now{k, state.current_pattern};
        HintRef& hint = table.hints[index_of(c)];
        hint = k != 0 ? now : hint;
    }
}

std::string hint_text(CategoryId category, HintRef hint) {
    if (hint.chain == 0) {
        return {};
    }
    const std::string_view line = chain_line(family_of(category), hint.chain, hint.line);
    std::string text = "Chain " + std::to_string(hint.chain) + "  ";
    text += info(category).legend;
    text += ":  ";
    text += line.substr(0, 12);
    text += "...";
    return text;
}

std::string chain_label_text(int chain) {
    return "Ch " + std::to_string(chain);
}

}  // namespace corvane
