#include "ui/reader_texts.h"

#include "ui/latin1.h"

#include <array>

namespace corvane::reader {

namespace {

QString side_name(Side side) {
    return latin1(info(side).spoken);
}

}  // namespace

QString number(int n) {
    const char* colour = n == 0 ? "green" : (is_red(n) ? "red" : "black");
    return QStringLiteral("%1, %2").arg(n).arg(QLatin1String(colour));
}

QString bet_field(Side side, const SideMarks& marks, const QString& stake, int chain) {
    if (!marks.stake) {
        return side_name(side) + QStringLiteral(", no bet");
    }
    QString text = side_name(side) + QStringLiteral(", bet ") + stake;
    if (marks.chain) {
        text += QStringLiteral(", chain %1").arg(chain);
    }
    return text;
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
    return caption(QLatin1String(text));
}

QString caption(const QString& text) {
    QString name = text.trimmed();
    if (name.endsWith(QLatin1Char(':'))) {
        name.chop(1);
    }
    return name;
}

}  // namespace corvane::reader
