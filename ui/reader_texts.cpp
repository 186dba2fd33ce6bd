#include "ui/reader_texts.h"

#include <array>

#include "betting/stake_display.h"
#include "chains/category.h"
#include "core/amount.h"

namespace corvane::reader {

namespace {

constexpr std::array<const char*, kSideCount> kSideNames = {
    "Red",       "Black",     "Even",      "Odd",        "1-18",       "19-36",
    "1st dozen", "2nd dozen", "3rd dozen", "1st column", "2nd column", "3rd column"};

QString side_name(Side side) {
    return QLatin1String(kSideNames[index_of(side)]);
}

}  // namespace

QString number(int n) {
    const char* colour = n == 0 ? "green" : (is_red(n) ? "red" : "black");
    return QStringLiteral("%1, %2").arg(n).arg(QLatin1String(colour));
}

QString bet_field(Side side, const GameState& g) {
    const SideMarks& m = g.mark(side);
    if (!m.stake) {
        return side_name(side) + QStringLiteral(", no bet");
    }
    const int c = index_of(category_of(side));
    QString text = side_name(side) + QStringLiteral(", bet ") +
                   QString::fromStdString(format_amount(g.stake_label[c]));
    if (m.chain) {
        text += QStringLiteral(", chain %1").arg(g.chain_label[c]);
    }
    return text;
}

QString bet_hint(Side side, const GameState& g) {
    const CategoryId c = category_of(side);
    return g.mark(side).chain ? QString::fromStdString(hint_text(c, g.hints[index_of(c)]))
                              : QString();
}

QString indicator(Side side) {
    return side_name(side) + QStringLiteral(": a chain may form with the next number");
}

QString history_entry(int k, const HistoryEntry& entry) {
    return QStringLiteral("History %1: %2")
        .arg(k + 1)
        .arg(entry.number < 0 ? QStringLiteral("empty") : number(entry.number));
}

QString stat_bar(StatBar bar) {
    return side_name(stat_bar_side(bar)) + QStringLiteral(" hits");
}

QString value(const char* what, const QString& shown) {
    return QLatin1String(what) + QStringLiteral(": ") + shown;
}

QString arrow(const char* what, bool right) {
    return QLatin1String(what) + (right ? QStringLiteral(", higher") : QStringLiteral(", lower"));
}

QString caption(const char* text) {
    QString name = QLatin1String(text).trimmed();
    if (name.endsWith(QLatin1Char(':'))) {
        name.chop(1);
    }
    return name;
}

}  // namespace corvane::reader
