#include "simulation/risk_report.h"

#include <algorithm>
#include <cmath>

#include "base/amount.h"
#include "base/json_writer.h"
#include "base/text_table.h"
#include "settings/settings_description.h"

namespace corvane {

RiskReport risk_report(const SessionsRun& run, const SessionsJob& job) {
    RiskReport report;
    report.sessions = job.sessions;
    report.seed = job.seed;
    report.rules = job.rules;
    // By session number: the sums below are taken in that order.
    std::vector<double> nets;
    std::vector<double> staked;
    std::vector<double> drawdowns;
    nets.reserve(run.results.size());
    staked.reserve(run.results.size());
    drawdowns.reserve(run.results.size());
    double spins = 0;
    for (const SessionResult& r : run.results) {
        ++report.outcomes[static_cast<std::size_t>(r.end)].count;
        nets.push_back(r.net);
        staked.push_back(r.staked);
        drawdowns.push_back(r.worst_drawdown);
        spins += static_cast<double>(r.spins);
        report.largest_stake = std::max(report.largest_stake, r.largest_stake);
        report.longest_losing_run = std::max(report.longest_losing_run, r.longest_losing_run);
    }
    const auto n = static_cast<std::int64_t>(run.results.size());
    for (OutcomeShare& o : report.outcomes) {
        o.share = static_cast<double>(o.count) / static_cast<double>(n);
        o.ci95 = wilson_interval(o.count, n);
    }
    report.net = mean_estimate(nets);
    report.net_per_staked = ratio_estimate(nets, staked);
    report.mean_spins = spins / static_cast<double>(n);

    std::vector<double> sorted_nets = nets;
    std::sort(sorted_nets.begin(), sorted_nets.end());
    std::sort(drawdowns.begin(), drawdowns.end());
    report.net_min = sorted_nets.front();
    report.net_max = sorted_nets.back();
    for (std::size_t k = 0; k < kReportPercentiles.size(); ++k) {
        report.net_percentiles[k] = percentile(sorted_nets, kReportPercentiles[k]);
        report.drawdown_percentiles[k] = percentile(drawdowns, kReportPercentiles[k]);
    }
    return report;
}

std::string rules_text(const SessionRules& rules) {
    const auto rule = [](const std::optional<double>& value, const std::string& name,
                         const std::string& sign) {
        return value ? name + " " + sign + format_amount(*value) : "no " + name;
    };
    return rule(rules.bankroll, "bankroll", "") + ", " + rule(rules.table_max, "table max", "") +
           ", " + rule(rules.stop_loss, "stop loss", "-") + ", " +
           rule(rules.target, "target", "+") + ", sessions of at most " +
           std::to_string(rules.spins) + " spins";
}

// ---- Text ----

std::string money_text(double value) {
    return format_amount(std::round(value * 100.0) / 100.0);
}

std::string interval_text(const std::optional<Interval>& ci, std::string (*show)(double)) {
    return ci ? show(ci->low) + " to " + show(ci->high) : "n/a (one session)";
}

std::string risk_report_text(const RiskReport& report, const Settings& settings,
                             const std::optional<std::string>& settings_file) {
    std::string out = settings_text(settings, settings_file);
    out += std::to_string(report.sessions) + " sessions of random numbers, seed " +
           std::to_string(report.seed) + "\n";
    out += "rules: " + rules_text(report.rules) + "\n\n";

    TableRows ends = {{"how the sessions ended", "sessions", "share", "95 % interval"}};
    for (int e = 0; e < kSessionEndCount; ++e) {
        const OutcomeShare& o = report.outcomes[static_cast<std::size_t>(e)];
        ends.push_back({kSessionEndWords[static_cast<std::size_t>(e)], std::to_string(o.count),
                        percent_text(o.share),
                        percent_text(o.ci95.low) + " to " + percent_text(o.ci95.high)});
    }
    append_table(out, ends);
    out += '\n';

    TableRows figures = {{"per session", "value", "95 % interval"}};
    figures.push_back(
        {"mean net", money_text(report.net.mean), interval_text(report.net.ci95, money_text)});
    if (report.net_per_staked) {
        figures.push_back({"net per staked unit", percent_text(report.net_per_staked->value),
                           interval_text(report.net_per_staked->ci95, percent_text)});
    } else {
        figures.push_back({"net per staked unit", "n/a (nothing staked)", ""});
    }
    figures.push_back({"house edge", percent_text(kHouseEdge), ""});
    figures.push_back({"mean spins played", money_text(report.mean_spins), ""});
    figures.push_back({"largest stake (any session)", money_text(report.largest_stake), ""});
    figures.push_back(
        {"longest losing run (any session)", std::to_string(report.longest_losing_run), ""});
    append_table(out, figures);
    out += '\n';

    TableRows spread = {{"percentile"}, {"net"}, {"worst drawdown"}};
    for (std::size_t k = 0; k < kReportPercentiles.size(); ++k) {
        spread[0].push_back(std::to_string(kReportPercentiles[k]) + " %");
        spread[1].push_back(money_text(report.net_percentiles[k]));
        spread[2].push_back(money_text(report.drawdown_percentiles[k]));
    }
    append_table(out, spread);
    out += "net from " + money_text(report.net_min) + " to " + money_text(report.net_max) + "\n";
    return out;
}

// ---- JSON ----

namespace {

void optional_number(JsonWriter& w, std::string_view name, const std::optional<double>& value) {
    w.key(name);
    if (value) {
        w.number(*value);
    } else {
        w.null();
    }
}

void interval(JsonWriter& w, const std::optional<Interval>& ci) {
    w.key("ci95");
    if (!ci) {
        w.null();
        return;
    }
    w.begin_array();
    w.number(ci->low);
    w.number(ci->high);
    w.end_array();
}

void percentiles(JsonWriter& w, const std::array<double, kReportPercentiles.size()>& values) {
    w.key("percentiles");
    w.begin_object();
    for (std::size_t k = 0; k < kReportPercentiles.size(); ++k) {
        w.field_number(std::to_string(kReportPercentiles[k]), values[k]);
    }
    w.end_object();
}

}  // namespace

std::string risk_report_json(const RiskReport& report, const Settings& settings,
                             const std::optional<std::string>& settings_file) {
    JsonWriter w;
    w.begin_object();
    w.key("settings");
    write_settings(w, settings, settings_file);
    w.field_integer("sessions", static_cast<long long>(report.sessions));
    w.field_integer("spins_per_session", static_cast<long long>(report.rules.spins));
    w.key("seed");
    w.unsigned_integer(report.seed);
    optional_number(w, "bankroll", report.rules.bankroll);
    optional_number(w, "table_max", report.rules.table_max);
    optional_number(w, "stop_loss", report.rules.stop_loss);
    optional_number(w, "target", report.rules.target);

    w.key("outcomes");
    w.begin_object();
    for (int e = 0; e < kSessionEndCount; ++e) {
        const OutcomeShare& o = report.outcomes[static_cast<std::size_t>(e)];
        w.key(kSessionEndNames[static_cast<std::size_t>(e)]);
        w.begin_object();
        w.field_integer("count", o.count);
        w.field_number("share", o.share);
        interval(w, o.ci95);
        w.end_object();
    }
    w.end_object();

    w.key("net");
    w.begin_object();
    w.field_number("mean", report.net.mean);
    interval(w, report.net.ci95);
    w.field_number("min", report.net_min);
    w.field_number("max", report.net_max);
    percentiles(w, report.net_percentiles);
    w.end_object();

    w.key("net_per_staked");
    w.begin_object();
    optional_number(
        w, "value",
        report.net_per_staked ? std::optional<double>(report.net_per_staked->value) : std::nullopt);
    interval(w, report.net_per_staked ? report.net_per_staked->ci95 : std::nullopt);
    w.end_object();
    w.field_number("house_edge", kHouseEdge);

    w.key("spins_played");
    w.begin_object();
    w.field_number("mean", report.mean_spins);
    w.end_object();
    w.key("worst_drawdown");
    w.begin_object();
    percentiles(w, report.drawdown_percentiles);
    w.end_object();
    w.key("largest_stake");
    w.begin_object();
    w.field_number("max", report.largest_stake);
    w.end_object();
    w.key("longest_losing_run");
    w.begin_object();
    w.field_integer("max", report.longest_losing_run);
    w.end_object();
    w.end_object();
    return w.str();
}

}  // namespace corvane
