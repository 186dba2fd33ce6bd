#include "settings/operations.h"

#include <algorithm>
#include <array>
#include <limits>

#include "betting/settlement.h"
#include "betting/stake_display.h"
#include "core/file_io.h"

namespace corvane {

namespace {

constexpr std::array<OpInfo, 27> kOps = {{
    {SettingOp::Category_On, "Category_On", OpArg::Category},
    {SettingOp::Category_Off, "Category_Off", OpArg::Category},
    {SettingOp::ShowChainsId_On, "ShowChainsId_On", OpArg::None},
    {SettingOp::ShowChainsId_Off, "ShowChainsId_Off", OpArg::None},
    {SettingOp::StartingBet_Step, "StartingBet_Step", OpArg::Step},
    {SettingOp::StartingBet_Repeat, "StartingBet_Repeat", OpArg::Step},
    {SettingOp::StartingBet_Release, "StartingBet_Release", OpArg::None},
    {SettingOp::CL12_Step, "CL12_Step", OpArg::UnitStep},
    {SettingOp::CL23_Step, "CL23_Step", OpArg::UnitStep},
    {SettingOp::BS12_Step, "BS12_Step", OpArg::UnitStep},
    {SettingOp::BS23_Step, "BS23_Step", OpArg::UnitStep},
    {SettingOp::BS23_Release, "BS23_Release", OpArg::None},
    {SettingOp::ResetOnZero_On, "ResetOnZero_On", OpArg::None},
    {SettingOp::ResetOnZero_Off, "ResetOnZero_Off", OpArg::None},
    {SettingOp::ROZ_Steps12_Step, "ROZ_Steps12_Step", OpArg::UnitStep},
    {SettingOp::ROZ_Steps23_Step, "ROZ_Steps23_Step", OpArg::UnitStep},
    {SettingOp::BetAutomaticReset_On, "BetAutomaticReset_On", OpArg::None},
    {SettingOp::BetAutomaticReset_Off, "BetAutomaticReset_Off", OpArg::None},
    {SettingOp::BAR_OnProfit_Select, "BAR_OnProfit_Select", OpArg::None},
    {SettingOp::BAR_SetUnits_Select, "BAR_SetUnits_Select", OpArg::None},
    {SettingOp::BAR_SetUnits_Step, "BAR_SetUnits_Step", OpArg::Step},
    {SettingOp::BAR_SetUnits_Repeat, "BAR_SetUnits_Repeat", OpArg::Step},
    {SettingOp::BAR_SetUnits_Release, "BAR_SetUnits_Release", OpArg::None},
    {SettingOp::TrendBetting_On, "TrendBetting_On", OpArg::None},
    {SettingOp::TrendBetting_Off, "TrendBetting_Off", OpArg::None},
    {SettingOp::BetOnUptrend_Select, "BetOnUptrend_Select", OpArg::None},
    {SettingOp::BetOnDowntrend_Select, "BetOnDowntrend_Select", OpArg::None},
}};

void write_line(SettingsText& text, int line, std::string value) {
    if (static_cast<int>(text.size()) <= line) {
        text.resize(line + 1);
    }
    text[line] = std::move(value);
}

std::string on_off(bool on) {
    return on ? "1" : "0";
}

Option category_option(CategoryId c) {
    return static_cast<Option>(static_cast<std::uint32_t>(Option::CategoryRB) + index_of(c));
}

bool has_bet_on_show(const GameState& game, CategoryId c) {
    const CategoryInfo& ci = info(c);
    for (int k = 0; k < ci.side_count; ++k) {
        if (game.marks[index_of(ci.first_side) + k].stake) {
            return true;
        }
    }
    return false;
}

// A unit step of a list option: moves only inside the list.
bool unit_step(int& index, ValueList list, int step) {
    const int next = index + step;
    if ((step != 1 && step != -1) || !in_list(list, next)) {
        return false;
    }
    index = next;
    return true;
}

// A signed step clamped to the list; nothing at the list's end in the step's direction.
bool clamped_step(int& index, ValueList list, int step) {
    const int last = list_size(list) - 1;
    if (step == 0 || (step > 0 && index >= last) || (step < 0 && index <= 0)) {
        return false;
    }
    const long next = static_cast<long>(index) + step;
    index = static_cast<int>(std::clamp<long>(next, 0, last));
    return true;
}

// StartingBet_Value: every category's stake becomes the starting bet now shown, written into
// the stake labels at once so that an open bet shows the amount it is held at.
void starting_bet_value(SettingsState& s, GameState& game) {
    for (CategoryState& c : game.categories) {
        c.bet = s.settings.starting_bet();
    }
    show_values(game);
}

void set_aim(GameState& game, double amount) {
    game.bankroll_aim = game.bankroll + amount;
}

double bar_amount(const Settings& st) {
    return st.bar_on_profit ? st.starting_bet() : st.bar_set_units();
}

}  // namespace

std::optional<OpInfo> find_op(std::string_view name) {
    for (const OpInfo& o : kOps) {
        if (o.name == name) {
            return o;
        }
    }
    return std::nullopt;
}

Changes apply_op(SettingOp op, SettingsState& s, GameState& game, CategoryId category, int step) {
    Settings& st = s.settings;
    SettingsText& text = s.text;
    switch (op) {
        case SettingOp::Category_On:
            st.category_enabled[index_of(category)] = true;
            write_line(text, line::kCategoryFirst + index_of(category), "1");
            return bit(category_option(category));
        case SettingOp::Category_Off: {
            st.category_enabled[index_of(category)] = false;
            write_line(text, line::kCategoryFirst + index_of(category), "0");
            // A bet on show is dropped, and its stake given back.
            if (has_bet_on_show(game, category)) {
                const double sides = family_of(category) == Family::F12 ? 1.0 : 2.0;
                game.bankroll += sides * game.category(category).bet;
            }
            category_reset(game, category);
            return bit(category_option(category)) | bit(Option::Bets);
        }
        case SettingOp::ShowChainsId_On:
            st.show_chains_id = true;
            write_line(text, line::kShowChainsId, "1");
            for (SideMarks& m : game.marks) {
                m.chain = m.chain || m.stake;
            }
            return bit(Option::ShowChainsId) | bit(Option::Bets);
        case SettingOp::ShowChainsId_Off:
            st.show_chains_id = false;
            write_line(text, line::kShowChainsId, "0");
            for (SideMarks& m : game.marks) {
                m.chain = false;
            }
            return bit(Option::ShowChainsId) | bit(Option::Bets);
        case SettingOp::StartingBet_Step:
        case SettingOp::StartingBet_Repeat:
            if (!clamped_step(st.starting_bet_index, ValueList::StartingBet, step)) {
                return 0;
            }
            if (op == SettingOp::StartingBet_Step) {
                write_line(text, line::kStartingBet, std::to_string(st.starting_bet_index));
            }
            starting_bet_value(s, game);
            return bit(Option::StartingBet) | bit(Option::Stakes);
        case SettingOp::StartingBet_Release:
            write_line(text, line::kStartingBet, std::to_string(st.starting_bet_index));
            return 0;
        case SettingOp::CL12_Step:
            if (!unit_step(st.cl12_index, ValueList::CL12, step)) {
                return 0;
            }
            st.window12 = static_cast<int>(list_number(ValueList::CL12, st.cl12_index));
            write_line(text, line::kCL12, std::to_string(st.cl12_index));
            return bit(Option::CL12);
        case SettingOp::CL23_Step:
            if (!unit_step(st.cl23_index, ValueList::CL23, step)) {
                return 0;
            }
            st.window23 = static_cast<int>(list_number(ValueList::CL23, st.cl23_index));
            write_line(text, line::kCL23, std::to_string(st.cl23_index));
            return bit(Option::CL23);
        case SettingOp::BS12_Step:
            if (!unit_step(st.bs12_index, ValueList::BettingSystem12, step)) {
                return 0;
            }
            write_line(text, line::kBS12, std::to_string(st.bs12_index));
            return bit(Option::BS12);
        case SettingOp::BS23_Step:
            if (!unit_step(st.bs23_index, ValueList::BettingSystem23, step)) {
                return 0;
            }
            write_line(text, line::kBS23, std::to_string(st.bs23_index));
            return bit(Option::BS23);
        case SettingOp::BS23_Release:
            write_line(text, line::kBS23, std::to_string(st.bs23_index));
            return 0;
        case SettingOp::ResetOnZero_On:
        case SettingOp::ResetOnZero_Off:
            st.reset_on_zero = op == SettingOp::ResetOnZero_On;
            write_line(text, line::kResetOnZero, on_off(st.reset_on_zero));
            return bit(Option::ResetOnZero);
        case SettingOp::ROZ_Steps12_Step:
            if (!unit_step(st.roz_steps12_index, ValueList::ROZSteps12, step)) {
                return 0;
            }
            write_line(text, line::kROZSteps12, std::to_string(st.roz_steps12_index));
            return bit(Option::ROZSteps12);
        case SettingOp::ROZ_Steps23_Step:
            if (!unit_step(st.roz_steps23_index, ValueList::ROZSteps23, step)) {
                return 0;
            }
            write_line(text, line::kROZSteps23, std::to_string(st.roz_steps23_index));
            return bit(Option::ROZSteps23);
        case SettingOp::BetAutomaticReset_On:
            st.bet_automatic_reset = true;
            write_line(text, line::kBetAutomaticReset, "1");
            set_aim(game, bar_amount(st));
            return bit(Option::BetAutomaticReset);
        case SettingOp::BetAutomaticReset_Off:
            st.bet_automatic_reset = false;
            write_line(text, line::kBetAutomaticReset, "0");
            return bit(Option::BetAutomaticReset);
        case SettingOp::BAR_OnProfit_Select:
        case SettingOp::BAR_SetUnits_Select:
            st.bar_on_profit = op == SettingOp::BAR_OnProfit_Select;
            write_line(text, line::kBAROnProfit, on_off(st.bar_on_profit));
            set_aim(game, bar_amount(st));
            return bit(Option::BARMode);
        case SettingOp::BAR_SetUnits_Step:
        case SettingOp::BAR_SetUnits_Repeat:
            if (!clamped_step(st.bar_set_units_index, ValueList::BARSetUnits, step)) {
                return 0;
            }
            s.set_units_shown_initial = false;
            if (op == SettingOp::BAR_SetUnits_Step) {
                write_line(text, line::kBARSetUnits, std::to_string(st.bar_set_units_index));
            }
            set_aim(game, st.bar_set_units());
            return bit(Option::BARSetUnits);
        case SettingOp::BAR_SetUnits_Release:
            // Written at every release, so that a save keeps the amount on show.
            write_line(text, line::kBARSetUnits, std::to_string(st.bar_set_units_index));
            return 0;
        case SettingOp::TrendBetting_On:
            st.trend_betting = true;
            write_line(text, line::kTrendBetting, "1");
            return bit(Option::TrendBetting);
        case SettingOp::TrendBetting_Off:
            st.trend_betting = false;
            write_line(text, line::kTrendBetting, "0");
            for (CategoryId c : kAllCategories) {
                category_reset(game, c);  // bets on show go without refund
            }
            return bit(Option::TrendBetting) | bit(Option::Bets);
        case SettingOp::BetOnUptrend_Select:
        case SettingOp::BetOnDowntrend_Select:
            st.bet_on_uptrend = op == SettingOp::BetOnUptrend_Select;
            write_line(text, line::kBetOnUptrend, on_off(st.bet_on_uptrend));
            return bit(Option::TrendDirection);
    }
    return 0;
}

namespace {

struct IndexLine {
    int line;
    ValueList list;
};

// The index lines in the order in which they are checked and applied.
constexpr std::array<IndexLine, 8> kIndexLines = {{
    {line::kStartingBet, ValueList::StartingBet},
    {line::kCL12, ValueList::CL12},
    {line::kCL23, ValueList::CL23},
    {line::kBS12, ValueList::BettingSystem12},
    {line::kBS23, ValueList::BettingSystem23},
    {line::kROZSteps12, ValueList::ROZSteps12},
    {line::kROZSteps23, ValueList::ROZSteps23},
    {line::kBARSetUnits, ValueList::BARSetUnits},
}};

// A decimal integer with an optional sign that fits 32 bits.
std::optional<int> parse_index(std::string_view text) {
    std::string_view digits = text;
    bool negative = false;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    if (digits.empty()) {
        return std::nullopt;
    }
    long long value = 0;
    for (char ch : digits) {
        if (ch < '0' || ch > '9') {
            return std::nullopt;
        }
        value = value * 10 + (ch - '0');
        if (value > static_cast<long long>(std::numeric_limits<int>::max()) + 1) {
            return std::nullopt;
        }
    }
    value = negative ? -value : value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min()) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

}  // namespace

SettingsLoad load_settings_text(std::string_view bytes, SettingsState& s, GameState& game) {
    SettingsLoad result;
    SettingsText lines;
    for (std::string_view l : split_lines(bytes)) {
        lines.emplace_back(l);
    }
    if (lines.size() < kSettingsLines) {
        lines.resize(kSettingsLines);  // missing lines read as empty texts
    }
    std::array<int, kIndexLines.size()> values{};
    for (std::size_t i = 0; i < kIndexLines.size(); ++i) {
        const std::string& text = lines[kIndexLines[i].line];
        const std::optional<int> value = parse_index(text);
        if (!value) {
            result.error = "'" + quoted_for_message(text) + "' is not a valid integer value";
            return result;
        }
        if (!in_list(kIndexLines[i].list, *value)) {
            result.error = "'" + quoted_for_message(text) + "' is out of range";
            return result;
        }
        values[i] = *value;
    }

    s.text = lines;
    Settings& st = s.settings;
    Changes& ch = result.changes;
    const auto on = [&](int line) { return lines[line] == "1"; };
    const auto op = [&](bool condition, SettingOp yes, SettingOp no, CategoryId c = {}) {
        ch |= apply_op(condition ? yes : no, s, game, c);
    };
    for (CategoryId c : kAllCategories) {
        op(on(line::kCategoryFirst + index_of(c)), SettingOp::Category_On, SettingOp::Category_Off,
           c);
    }
    op(on(line::kShowChainsId), SettingOp::ShowChainsId_On, SettingOp::ShowChainsId_Off);
    // The starting bet takes effect at the next settlement or reset: no stake changes here.
    st.starting_bet_index = values[0];
    st.cl12_index = values[1];
    st.window12 = static_cast<int>(list_number(ValueList::CL12, st.cl12_index));
    st.cl23_index = values[2];
    st.window23 = static_cast<int>(list_number(ValueList::CL23, st.cl23_index));
    st.bs12_index = values[3];
    st.bs23_index = values[4];
    op(on(line::kResetOnZero), SettingOp::ResetOnZero_On, SettingOp::ResetOnZero_Off);
    st.roz_steps12_index = values[5];
    st.roz_steps23_index = values[6];
    op(on(line::kBetAutomaticReset), SettingOp::BetAutomaticReset_On,
       SettingOp::BetAutomaticReset_Off);
    op(on(line::kBAROnProfit), SettingOp::BAR_OnProfit_Select, SettingOp::BAR_SetUnits_Select);
    // The aims above were computed with the Set Units amount in force before this line.
    st.bar_set_units_index = values[7];
    s.set_units_shown_initial = false;
    op(on(line::kTrendBetting), SettingOp::TrendBetting_On, SettingOp::TrendBetting_Off);
    op(on(line::kBetOnUptrend), SettingOp::BetOnUptrend_Select, SettingOp::BetOnDowntrend_Select);
    ch |= bit(Option::StartingBet) | bit(Option::CL12) | bit(Option::CL23) | bit(Option::BS12) |
          bit(Option::BS23) | bit(Option::ROZSteps12) | bit(Option::ROZSteps23) |
          bit(Option::BARSetUnits);
    return result;
}

std::string settings_file_text(const SettingsText& text) {
    std::string out;
    for (const std::string& line : text) {
        out += line;
        out += "\r\n";
    }
    return out;
}

}  // namespace corvane
