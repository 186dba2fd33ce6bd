#include "settings/settings_file.h"

#include <array>
#include <limits>

#include "base/file_io.h"

namespace corvane {

namespace {

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
    // Every index line is checked, in the order of the lines, before anything is applied.
    std::array<int, kOptions.size()> values{};
    for (std::size_t i = 0; i < kOptions.size(); ++i) {
        if (kOptions[i]->kind != OptionKind::List) {
            continue;
        }
        const std::string& text = lines[kOptions[i]->line];
        const std::optional<int> value = parse_index(text);
        if (!value) {
            result.error = "'" + quoted_for_message(text) + "' is not a valid integer value";
            return result;
        }
        if (!in_list(kOptions[i]->list, *value)) {
            result.error = "'" + quoted_for_message(text) + "' is out of range";
            return result;
        }
        values[i] = *value;
    }

    s.text = lines;
    const auto on = [&](int line) { return lines[line] == "1"; };
    // The lines are applied in their order. A switch goes through its operation, with all its
    // effects. An index line is taken as it stands, without the operations' effects: a new
    // starting bet, for one, takes effect at the next settlement or reset, not on the stakes on
    // show; and the Set Units amount, below the lines of the bet automatic reset, is taken only
    // once these have moved the aim with the amount in force before the load.
    for (std::size_t i = 0; i < kOptions.size(); ++i) {
        const Option& o = *kOptions[i];
        switch (o.kind) {
            case OptionKind::Categories:
                for (CategoryId c : kAllCategories) {
                    apply_op(on(o.line + index_of(c)) ? o.on.op : o.off.op, s, game, c);
                }
                break;
            case OptionKind::Switch:
                apply_op(on(o.line) ? o.on.op : o.off.op, s, game);
                break;
            case OptionKind::List:
                set_index(s, o, values[i]);
                break;
        }
    }
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
