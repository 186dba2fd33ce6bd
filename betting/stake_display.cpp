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
        const CategoryState& state = table.category(c);
        if (const int k = state.highest_chain(); k != 0) {
            table.hints[index_of(c)] = {k, state.current_pattern};
        }
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
