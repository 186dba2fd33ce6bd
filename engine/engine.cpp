#include "engine/engine.h"

#include <algorithm>

#include "base/number_file.h"
#include "betting/setting_effects.h"
#include "betting/settlement.h"
#include "engine/spin.h"
#include "engine/undo.h"
#include "settings/settings_file.h"

namespace corvane {

std::string Engine::shown(const Option& option) const {
    return shown_text(options_, option);
}

bool Engine::click_number(int n) {
    if (n < 0 || n > kMaxNumber || !game_.input_ready || game_.pressed[n]) {
        return false;
    }
    game_.pressed[n] = true;   // Button0 .. Button36
    game_.plan_warnings = {};  // what the plan said stands until the next spin
    analyse(game_, options_.settings, n);
    return true;
}

bool Engine::tick() {
    if (!game_.timer_running) {
        return false;
    }
    game_.gauge1 = std::min(100, game_.gauge1 + kGaugeStep);
    if (game_.gauge1 < 100) {
        return false;
    }
    end_animation();
    return true;
}

void Engine::end_animation() {
    // Everything up to the hidden covers is done before the prediction starts, all within the
    // last tick.
    game_.gauge1 = 0;
    game_.pressed.fill(false);  // Disable_Pressed
    game_.input_ready = true;
    game_.timer_running = false;
    game_.covers_shown = false;
    prediction(game_, options_.settings, game_.current_num);
    if (plan_set_) {
        judge_by_plan();
    }
}

void Engine::judge_by_plan() {
    if (!game_.keeps_log) {
        return;
    }
    // The warnings were cleared at the click; most spins leave them so.
    const double net = game_.evening.net();
    SuggestedBets laid;
    laid.cost = game_.spin_bets.cost;
    laid.largest_stake = game_.spin_bets.largest_stake;
    const PlanRules rules = plan_rules(plan_, net, laid);
    if (rules != 0) {
        game_.plan_warnings = {rules, net, suggested_bets(game_)};
        game_.log.mark_last(rules);
    }
}

void Engine::set_plan(const MoneyPlan& plan) {
    plan_ = plan;
    plan_set_ = plan.any();
    game_.plan_warnings = {};  // they were the old plan's
}

std::vector<std::string> Engine::plan_figures() const {
    return corvane::plan_figures(plan_, game_.evening.net());
}

std::vector<std::string> Engine::plan_warnings() const {
    return warning_texts(plan_, game_.plan_warnings);
}

void Engine::dismiss_warnings() {
    game_.plan_warnings = {};
}

void Engine::finish_spin() {
    // The ticks before the last only move the progress line, which the last one clears.
    if (game_.timer_running) {
        end_animation();
    }
}

bool Engine::undo() {
    if (!game_.undo_available) {
        return false;
    }
    cancel(game_, options_.settings);
    game_.undo_available = false;
    return true;
}

bool Engine::spin(int n) {
    if (!click_number(n)) {
        return false;
    }
    finish_spin();
    return true;
}

void Engine::forget_old_numbers(std::size_t keep) {
    keep = std::max<std::size_t>(keep, 1);
    const auto trim = [keep](std::vector<std::uint8_t>& list, std::int64_t& forgotten) {
        if (list.size() > keep) {
            const std::size_t drop = list.size() - keep;
            list.erase(list.begin(), list.begin() + static_cast<std::ptrdiff_t>(drop));
            forgotten += static_cast<std::int64_t>(drop);
        }
    };
    trim(game_.numbers, game_.forgotten_numbers);
    trim(game_.statistics_list, game_.forgotten_statistics);
}

void Engine::press_bets() {
    bets_button(game_, options_.settings);
}

void Engine::reset_spins() {
    if (!game_.keeps_display) {
        // The percentages the spins left out, as they would stand: the texts keep them, and
        // trend betting reads them until the new game's first non-zero number.
        statistics_percentages(game_.stats, game_.statistics_base());
    }
    history_reset(game_.history);
    // Statistics_List_Reset: the texts keep what they showed.
    game_.statistics_list.clear();
    game_.forgotten_statistics = 0;
    statistics_clear_counts(game_.stats);
    game_.family_counts = {};
    for (CategoryId c : kAllCategories) {
        category_reset(game_, c);
    }
    for (CategoryState& c : game_.categories) {
        c.first_mark = kNoMark;
        c.ind_mark = kNoMark;
        c.list_window.clear();
        c.ind_window.clear();
    }
    game_.bankroll = kStartBankroll;
    game_.bankroll_aim = kStartBankrollAim;
    game_.undo_available = false;
    game_.log.clear();
    game_.evening = {};
    game_.plan_warnings = {};
    game_.wheel.clear();
}

void Engine::new_game() {
    finish_spin();
    reset_spins();
    game_.numbers.clear();
    game_.forgotten_numbers = 0;
    game_.stats.shown = {};
    game_.stats.computed = false;
    for (SideMarks& m : game_.marks) {
        m.indicator = false;
    }
}

namespace {

// A file chosen for a load: its bytes, or nothing. A name that does not exist is no error; a
// file that cannot be read is, with the message to show.
std::optional<std::string> read_for_load(const std::string& path, std::uintmax_t max_bytes,
                                         Message& message) {
    FileContent file = read_file(path, max_bytes);
    message = read_failure_message(path, file.status, max_bytes);
    if (file.status != ReadStatus::Ok) {
        return std::nullopt;
    }
    return std::move(file.bytes);
}

}  // namespace

Message Engine::save_text(const std::string& path, std::string_view bytes) const {
    if (!write_file_atomically(path, bytes, *files_)) {
        return "Cannot create file " + path;
    }
    return std::nullopt;
}

Message Engine::load_numbers(const std::string& path, const LoadProgress& progress) {
    finish_spin();
    Message message;
    const std::optional<std::string> bytes = read_for_load(path, kMaxNumberFileBytes, message);
    if (!bytes) {
        return message;
    }
    return load_numbers_from(*bytes, progress);
}

Message Engine::load_numbers_from(std::string_view bytes, const LoadProgress& progress) {
    finish_spin();
    NumberFile parsed = parse_number_file(bytes, progress);
    if (parsed.error) {
        return parsed.error;
    }
    reset_spins();
    game_.numbers = std::move(parsed.numbers);
    game_.forgotten_numbers = 0;
    game_.input_ready = false;
    // Statistics_List_Load, and the log's rows: a load replays no bets.
    for (std::uint8_t n : game_.numbers) {
        game_.wheel.add(n);
        if (n != 0) {
            game_.statistics_list.push_back(n);
        }
        if (game_.keeps_log) {
            game_.log.add_loaded(n, game_.bankroll);
        }
    }
    game_.undo_available = false;
    const std::size_t count = game_.numbers.size();
    for (std::size_t i = count - std::min<std::size_t>(count, kHistorySize); i < count; ++i) {
        game_.current_num = game_.numbers[i];
        history_push(game_.history, game_.current_num);
    }
    // Every computation sees the whole list as its base, so only the final values are those
    // of the game as it was played; those are what stays.
    const auto base = static_cast<std::int64_t>(game_.statistics_list.size());
    std::size_t done = 0;
    for (std::uint8_t n : game_.statistics_list) {
        if (progress && done % kProgressEvery == 0) {
            progress(done, count);
        }
        game_.current_num = n;
        statistics_calc(game_.stats, n, base);
        ++done;
    }
    if (progress) {
        progress(done, count);
    }
    game_.input_ready = true;
    return std::nullopt;
}

Message Engine::save_numbers(const std::string& path) const {
    return save_text(path, number_file_text(game_.numbers));
}

Message Engine::export_csv(const std::string& path) const {
    return save_text(path, session_csv(game_.log));
}

void Engine::apply(SettingOp op, CategoryId category, int step) {
    TableEffects effects(game_);
    apply_op(op, options_, effects, category, step);
}

Message Engine::load_settings(const std::string& path) {
    finish_spin();
    Message message;
    const std::optional<std::string> bytes = read_for_load(path, kMaxSettingsFileBytes, message);
    if (!bytes) {
        return message;
    }
    return load_settings_from(*bytes);
}

Message Engine::load_settings_from(std::string_view bytes) {
    finish_spin();
    TableEffects effects(game_);
    return load_settings_text(bytes, options_, effects).error;
}

Message Engine::save_settings(const std::string& path) const {
    return save_text(path, settings_file_text(options_.text));
}

void Engine::default_settings() {
    finish_spin();
    TableEffects effects(game_);
    load_settings_text(settings_file_text(default_settings_text()), options_, effects);
}

}  // namespace corvane
