#include "settings/settings_file.h"

#include <array>
#include <limits>

#include "base/file_io.h"

namespace corvane {

namespace {

// A line that holds an index into a value list.
struct IndexLine {
    int line;
    ValueList list;
    int Settings::*index;
};

// The index lines in the order in which they are checked. Set Units comes last: it is taken only
// once the bet automatic reset has moved its aim with the amount in force before the load.
constexpr std::array<IndexLine, 8> kIndexLines = {{
    {line::kStartingBet, ValueList::StartingBet, &Settings::starting_bet_index},
    {line::kCL12, ValueList::CL12, &Settings::cl12_index},
    {line::kCL23, ValueList::CL23, &Settings::cl23_index},
    {line::kBS12, ValueList::BettingSystem12, &Settings::bs12_index},
    {line::kBS23, ValueList::BettingSystem23, &Settings::bs23_index},
    {line::kROZSteps12, ValueList::ROZSteps12, &Settings::roz_steps12_index},
    {line::kROZSteps23, ValueList::ROZSteps23, &Settings::roz_steps23_index},
    {line::kBARSetUnits, ValueList::BARSetUnits, &Settings::bar_set_units_index},
}};
constexpr std::size_t kSetUnitsLine = kIndexLines.size() - 1;

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

SettingsLoad load_settings_text(std::string_view bytes, SettingsState& s, GameEffects& game) {
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
    const auto on = [&](int line) { return lines[line] == "1"; };
    const auto op = [&](bool condition, SettingOp yes, SettingOp no, CategoryId c = {}) {
        apply_op(condition ? yes : no, s, game, c);
    };
    for (CategoryId c : kAllCategories) {
        op(on(line::kCategoryFirst + index_of(c)), SettingOp::Category_On, SettingOp::Category_Off,
           c);
    }
    op(on(line::kShowChainsId), SettingOp::ShowChainsId_On, SettingOp::ShowChainsId_Off);
    // The index lines are taken as they stand, without the operations' effects: a new starting
    // bet, for one, takes effect at the next settlement or reset, not on the stakes on show.
    for (std::size_t i = 0; i < kIndexLines.size(); ++i) {
        if (i != kSetUnitsLine) {
            st.*kIndexLines[i].index = values[i];
        }
    }
    for (const FamilyOptions& f : kFamilyOptions) {
        st.*f.window = static_cast<int>(list_number(f.chain_lengths, st.*f.chain_length_index));
    }
    op(on(line::kResetOnZero), SettingOp::ResetOnZero_On, SettingOp::ResetOnZero_Off);
    op(on(line::kBetAutomaticReset), SettingOp::BetAutomaticReset_On,
       SettingOp::BetAutomaticReset_Off);
    op(on(line::kBAROnProfit), SettingOp::BAR_OnProfit_Select, SettingOp::BAR_SetUnits_Select);
    st.bar_set_units_index = values[kSetUnitsLine];
    s.set_units_shown_initial = false;
    op(on(line::kTrendBetting), SettingOp::TrendBetting_On, SettingOp::TrendBetting_Off);
    op(on(line::kBetOnUptrend), SettingOp::BetOnUptrend_Select, SettingOp::BetOnDowntrend_Select);
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
