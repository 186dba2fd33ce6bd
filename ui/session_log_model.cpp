#include "ui/session_log_model.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QStringList>
#include <algorithm>

#include "base/amount.h"
#include "base/history.h"
#include "ui/options_rows.h"
#include "ui/skin.h"

namespace corvane {

namespace {

QString amount(double value) {
    return QString::fromStdString(format_amount(value));
}

// Every other category's columns lie on a lighter band, so the eye keeps to one category.
const QColor kBand(34, 34, 34);
const QColor kWarning(255, 200, 90);  // as the main window's strip writes its warnings

// The bet of one category in a row's bets, which come in category order.
const LoggedBet* bet_of(std::span<const LoggedBet> bets, CategoryId category) {
    const auto it = std::find_if(bets.begin(), bets.end(),
                                 [category](const LoggedBet& b) { return b.category == category; });
    return it == bets.end() ? nullptr : &*it;
}

QVariant bet_text(const LoggedBet& bet, SessionLogModel::BetColumn what) {
    using B = SessionLogModel::BetColumn;
    switch (what) {
        case B::Bet:
            return QString::fromStdString(bet_sides_text(bet.category, bet.sides));
        case B::Stake:
            return amount(bet.stake);
        case B::Chain:
            return bet.chain;
        case B::Result:
            return bet.won ? QStringLiteral("won") : QStringLiteral("lost");
        case B::Paid:
            return amount(bet.paid);
    }
    return {};
}

}  // namespace

SessionLogModel::SessionLogModel(const SessionLog& log, QObject* parent)
    : QAbstractTableModel(parent),
      log_(log),
      rows_(static_cast<int>(log.size())),
      generation_(log.generation()) {}

bool SessionLogModel::follow() {
    const int now = static_cast<int>(log_.size());
    if (log_.generation() != generation_) {
        beginResetModel();
        rows_ = now;
        generation_ = log_.generation();
        endResetModel();
    } else if (now > rows_) {
        beginInsertRows({}, 0, now - rows_ - 1);
        rows_ = now;
        endInsertRows();
    } else if (now < rows_) {
        beginRemoveRows({}, 0, rows_ - now - 1);
        rows_ = now;
        endRemoveRows();
    } else {
        return false;
    }
    return true;
}

void SessionLogModel::set_font(const QFont& font) {
    number_font_ = font;
    number_font_.setBold(true);
}

int SessionLogModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int SessionLogModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant SessionLogModel::data(const QModelIndex& index, int role) const {
    // Row 0 is the newest number: the log's last row.
    const auto i = static_cast<std::size_t>(rows_ - 1 - index.row());
    if (!index.isValid() || i >= log_.size()) {
        return {};
    }
    const int column = index.column();
    if (column <= kBankroll) {
        return row_data(i, column, role);
    }
    if (column == kPlan) {
        return plan_data(i, role);
    }
    const CategoryId category = kAllCategories[(column - 3) / kBetColumns];
    const auto what = static_cast<BetColumn>((column - 3) % kBetColumns);
    // The log decodes a row when it is asked for one, so only the roles that show the bet ask.
    switch (role) {
        case Qt::DisplayRole: {
            const LoggedBets bets = log_.bets(i);
            const LoggedBet* bet = bet_of(bets, category);
            return bet == nullptr ? QVariant() : bet_text(*bet, what);
        }
        case Qt::BackgroundRole:
            return index_of(category) % 2 == 1 ? QVariant(QBrush(kBand)) : QVariant();
        case Qt::ForegroundRole: {
            const LoggedBets bets = log_.bets(i);
            const LoggedBet* bet = bet_of(bets, category);
            return bet != nullptr && !bet->won ? QVariant(QBrush(skin::colour::kGrey)) : QVariant();
        }
        case Qt::TextAlignmentRole:
            return what == BetColumn::Stake || what == BetColumn::Paid
                       ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                       : QVariant(Qt::AlignCenter);
        default:
            return {};
    }
}

// What the money plan warned of on the spin, in the warnings' colour.
QVariant SessionLogModel::plan_data(std::size_t i, int role) const {
    switch (role) {
        case Qt::DisplayRole: {
            const PlanRules rules = log_.warnings(i);
            QStringList words;
            for (int r = 0; r < kPlanRuleCount; ++r) {
                if ((rules >> r) & 1U) {
                    words << QString::fromLatin1(kPlanRuleNames[r].data(),
                                                 static_cast<qsizetype>(kPlanRuleNames[r].size()))
                                 .replace(QLatin1Char('_'), QLatin1Char(' '));
                }
            }
            return words.isEmpty() ? QVariant() : QVariant(words.join(QStringLiteral(", ")));
        }
        case Qt::ForegroundRole:
            return QBrush(kWarning);
        default:
            return {};
    }
}

// The spin, the number on its pocket's colour, and the bankroll after the spin.
QVariant SessionLogModel::row_data(std::size_t i, int column, int role) const {
    switch (role) {
        case Qt::DisplayRole:
            if (column == kSpin) {
                return QString::number(i + 1);
            }
            return column == kNumber ? QVariant(log_.number(i))
                                     : QVariant(amount(log_.bankroll(i)));
        case Qt::BackgroundRole:
            if (column == kNumber) {
                const Rgb c = rgb_of(pocket_colour(log_.number(i)));
                return QBrush(QColor(c.r, c.g, c.b));
            }
            return {};
        case Qt::FontRole:
            return column == kNumber ? QVariant(number_font_) : QVariant();
        case Qt::TextAlignmentRole:
            return column == kNumber ? QVariant(Qt::AlignCenter)
                                     : QVariant(Qt::AlignRight | Qt::AlignVCenter);
        default:
            return {};
    }
}

QVariant SessionLogModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= kColumnCount) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (section) {
        case kSpin:
            return QStringLiteral("Spin");
        case kNumber:
            return QStringLiteral("Number");
        case kBankroll:
            return QStringLiteral("Bankroll");
        case kPlan:
            return QStringLiteral("Plan");
        default:
            break;
    }
    static const char* const kBetHeaders[kBetColumns] = {nullptr, "Stake", "Chain", "Result",
                                                         "Paid"};
    const int what = (section - 3) % kBetColumns;
    return what == 0
               ? QString::fromLatin1(options::kCategoryChecks[(section - 3) / kBetColumns].text)
               : QString::fromLatin1(kBetHeaders[what]);
}

}  // namespace corvane
