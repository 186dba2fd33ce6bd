#include "cli/wheel_report.h"

#include <cmath>
#include <cstdio>

#include "base/json_writer.h"
#include "base/number_file.h"
#include "base/text_table.h"
#include "cli/named_file.h"
#include "engine/session_log.h"
#include "wheel/fair_wheels.h"

namespace corvane {

namespace {

std::string fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string signed_fixed(double value, int decimals) {
    return (value >= 0 ? "+" : "") + fixed(value, decimals);
}

// The pockets of the hottest arc, in wheel order.
std::string arc_pockets(const ArcSearch& a) {
    std::string text;
    for (int i = 0; i < a.length(); ++i) {
        text += (i == 0 ? "" : ", ") + std::to_string(pocket_at(a.first_position() + i));
    }
    return text;
}

// "Red", "D1": a side or section, as the session log names it.
std::string side_name(Side side) {
    const CategoryId c = category_of(side);
    const int k = index_of(side) - index_of(info(c).first_side);
    return bet_sides_text(c, static_cast<std::uint8_t>(1U << k));
}

}  // namespace

std::string wheel_report_text(const WheelTally& tally, const WheelFindings& f,
                              const std::vector<std::string>& files) {
    std::string out = "== wheel ==\n";
    out += "number files:";
    for (const std::string& file : files) {
        out += " " + file;
    }
    out += "\n" + verdict_text(f) + "\n\n";

    const ArcSearch& a = f.arcs;
    const std::string arc_p = f.arc_p ? p_text(*f.arc_p) : "p unknown";
    TableRows tests = {
        {"pockets", "chi-square " + fixed(f.pockets.statistic, 2) + ", " +
                        std::to_string(f.pockets.df) + " degrees of freedom, " +
                        p_text(f.pockets.p)},
        {"hot arc", std::to_string(a.length()) + (a.length() == 1 ? " pocket" : " pockets") + " (" +
                        arc_pockets(a) + "): " + std::to_string(a.hits()) + " hits, " +
                        fixed(a.expected(), 1) + " expected, " + arc_p +
                        " over every arc of 1 to 18 pockets"},
    };
    if (f.spins < kEarliestTest) {
        // Too early: the sentence says so, and no p-value stands beside it.
        tests = {{"pockets", "too early for the chi-square test"},
                 {"hot arc", "too early to test"}};
    }
    // The text table puts every column but the first to the right: these lines stand alone.
    for (const std::vector<std::string>& row : tests) {
        out += row[0] + std::string(10 - row[0].size(), ' ') + row[1] + "\n";
    }
    out += "\n";

    TableRows sectors = {{"sector", "pockets", "hits", "expected", "sd"}};
    for (const SectorInfo& s : kSectors) {
        const std::int64_t hits = sector_hits(f.counts, s);
        sectors.push_back({std::string(s.name), std::to_string(s.size()), std::to_string(hits),
                           fixed(sector_expected(f.spins, s), 1),
                           signed_fixed(deviation(hits, f.spins, s.size()), 2)});
    }
    append_table(out, sectors);
    out += "\n";

    out += "spins since each side or section last won\n";
    TableRows sides;
    for (const CategoryInfo& ci : kCategories) {
        std::vector<std::string> row;
        for (int k = 0; k < ci.side_count; ++k) {
            const Side side = static_cast<Side>(index_of(ci.first_side) + k);
            const std::int64_t since = tally.since_side(side);
            row.push_back(side_name(side) + " " + (since < 0 ? "never" : std::to_string(since)));
        }
        row.insert(row.begin(), std::string(ci.prefix));
        sides.push_back(row);
    }
    append_table(out, sides);
    out += "\n";

    TableRows pockets = {{"number", "hits", "share", "expected", "sd", "since", "longest gap"}};
    const double expected = static_cast<double>(f.spins) / kPocketCount;
    for (int n = 0; n < kPocketCount; ++n) {
        const double share =
            f.spins == 0 ? 0.0 : 100.0 * static_cast<double>(tally.hits(n)) / f.spins;
        pockets.push_back({std::to_string(n), std::to_string(tally.hits(n)), fixed(share, 2) + " %",
                           fixed(expected, 1), signed_fixed(deviation(tally.hits(n), f.spins), 2),
                           std::to_string(tally.since(n)), std::to_string(tally.longest_gap(n))});
    }
    append_table(out, pockets);
    return out;
}

std::string wheel_report_json(const WheelTally& tally, const WheelFindings& f,
                              const std::vector<std::string>& files) {
    JsonWriter w;
    w.begin_object();
    w.key("files");
    w.begin_array();
    for (const std::string& file : files) {
        w.latin1(file);
    }
    w.end_array();
    w.field_integer("spins", f.spins);
    w.field_boolean("too_early", f.spins < kEarliestTest);
    w.field("verdict", verdict_text(f));
    const auto per_pocket = [&w](const char* name, auto value) {
        w.key(name);
        w.begin_array();
        for (int n = 0; n < kPocketCount; ++n) {
            w.integer(value(n));
        }
        w.end_array();
    };
    per_pocket("pockets", [&tally](int n) { return tally.hits(n); });
    per_pocket("since", [&tally](int n) { return tally.since(n); });
    per_pocket("longest_gap", [&tally](int n) { return tally.longest_gap(n); });
    w.key("chi_square");
    w.begin_object();
    w.field_number("statistic", f.pockets.statistic);
    w.field_integer("df", f.pockets.df);
    w.field_number("p", f.pockets.p);
    w.end_object();
    w.key("hot_arc");
    w.begin_object();
    w.field_integer("length", f.arcs.length());
    w.field_integer("first", f.arcs.first_pocket());
    w.field_integer("hits", f.arcs.hits());
    w.field_number("expected", f.arcs.expected());
    w.key("p");
    f.arc_p ? w.number(*f.arc_p) : w.null();
    w.end_object();
    w.key("sectors");
    w.begin_object();
    for (const SectorInfo& s : kSectors) {
        w.key(s.key);
        w.begin_object();
        w.field_integer("hits", sector_hits(f.counts, s));
        w.field_number("expected", sector_expected(f.spins, s));
        w.end_object();
    }
    w.end_object();
    w.key("since_last_won");
    w.begin_object();
    for (int s = 0; s < kSideCount; ++s) {
        const std::int64_t since = tally.since_side(static_cast<Side>(s));
        w.key(side_name(static_cast<Side>(s)));
        since < 0 ? w.null() : w.integer(since);
    }
    w.end_object();
    w.end_object();
    return w.str();
}

int wheel_report_mode(const BacktestOptions& options) {
    WheelTally tally;
    for (const std::string& path : options.files) {
        std::string bytes;
        std::optional<std::string> error =
            read_named_file(path, "number file", kMaxNumberFileBytes, bytes);
        NumberFile parsed;
        if (!error) {
            parsed = parse_number_file(bytes);
            if (parsed.error) {
                error = path + ": " + *parsed.error;
            }
        }
        if (error) {
            std::fprintf(stderr, "corvane-backtest: %s\n", error->c_str());
            return 2;
        }
        for (std::uint8_t n : parsed.numbers) {
            tally.add(n);
        }
    }
    WheelFindings findings = examine(tally.counts());
    findings.arc_p = FairWheels(findings.spins).p_value(findings.arcs);
    const std::string out = options.json ? wheel_report_json(tally, findings, options.files) + "\n"
                                         : wheel_report_text(tally, findings, options.files);
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}

}  // namespace corvane
