#include "ui/pocket_table_model.h"

#include <QColor>
#include <array>

#include "base/history.h"
#include "wheel/fairness.h"

namespace corvane {

namespace {

constexpr std::array<const char*, PocketTableModel::kColumnCount> kHeaders = {
    "Number", "Hits", "Share", "Expected", "sd", "Since", "Longest gap"};
constexpr std::array<const char*, PocketTableModel::kColumnCount> kToolTips = {
    "The pocket, on its colour",
    "How often it came up",
    "Its share of the spins; a fair wheel gives each pocket 2.70 %",
    "What a fair wheel gives it in as many spins",
    "How far its hits stand from the expected, in standard deviations",
    "Spins since it last came up",
    "The longest run of spins without it, the one going on now included"};

}  // namespace

PocketTableModel::PocketTableModel(const WheelTally& tally, QObject* parent)
    : QAbstractTableModel(parent), tally_(tally) {}

void PocketTableModel::follow() {
    emit dataChanged(index(0, 0), index(kPocketCount - 1, kColumnCount - 1));
}

void PocketTableModel::set_font(const QFont& font) {
    number_font_ = font;
    number_font_.setBold(true);
}

int PocketTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kPocketCount;
}

int PocketTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

double PocketTableModel::figure(int n, int column) const {
    const auto spins = static_cast<double>(tally_.spins());
    switch (column) {
        case kNumber:
            return n;
        case kHits:
            return static_cast<double>(tally_.hits(n));
        case kShare:
            return spins == 0 ? 0.0 : 100.0 * static_cast<double>(tally_.hits(n)) / spins;
        case kExpected:
            return spins / kPocketCount;
        case kDeviation:
            return deviation(tally_.hits(n), tally_.spins());
        case kSince:
            return static_cast<double>(tally_.since(n));
        case kLongestGap:
            return static_cast<double>(tally_.longest_gap(n));
    }
    return 0.0;
}

QVariant PocketTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const int n = index.row();
    const int column = index.column();
    switch (role) {
        case Qt::DisplayRole: {
            const double value = figure(n, column);
            switch (column) {
                case kShare:
                    return QStringLiteral("%1 %").arg(value, 0, 'f', 2);
                case kExpected:
                    return QString::number(value, 'f', 1);
                case kDeviation:
                    return (value >= 0 ? QStringLiteral("+") : QString()) +
                           QString::number(value, 'f', 2);
                default:
                    return QString::number(static_cast<long long>(value));
            }
        }
        case Qt::UserRole:
            return figure(n, column);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(column == kNumber ? Qt::AlignCenter
                                                         : Qt::AlignRight | Qt::AlignVCenter);
        case Qt::BackgroundRole:
            if (column == kNumber) {
                const Rgb c = rgb_of(pocket_colour(n));
                return QColor(c.r, c.g, c.b);
            }
            return {};
        case Qt::ForegroundRole:
            return column == kNumber ? QVariant(QColor(Qt::white)) : QVariant();
        case Qt::FontRole:
            return column == kNumber ? QVariant(number_font_) : QVariant();
        default:
            return {};
    }
}

QVariant PocketTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return QString::fromLatin1(kHeaders[static_cast<std::size_t>(section)]);
    }
    if (role == Qt::ToolTipRole) {
        return QString::fromLatin1(kToolTips[static_cast<std::size_t>(section)]);
    }
    return {};
}

}  // namespace corvane
