// The session log as a table for Qt's views: a row per number, newest first, read from the
// engine's log whenever a view asks. The model keeps no rows of its own, only how many it last
// told its views about, so a game of a million numbers costs it no more than a short one.
#pragma once

#include <QAbstractTableModel>
#include <QFont>
#include <cstdint>

#include "engine/session_log.h"

namespace corvane {

class SessionLogModel : public QAbstractTableModel {
  public:
    // The columns of a category's bet, in their order.
    enum class BetColumn { Bet, Stake, Chain, Result, Paid };
    static constexpr int kBetColumns = 5;
    static constexpr int kSpin = 0;
    static constexpr int kNumber = 1;
    static constexpr int kBankroll = 2;
    // After the bets: the rules of the money plan that warned on the spin.
    static constexpr int kPlan = 3 + kCategoryCount * kBetColumns;
    static constexpr int kColumnCount = kPlan + 1;
    static constexpr int column(CategoryId category, BetColumn what) {
        return 3 + index_of(category) * kBetColumns + static_cast<int>(what);
    }

    explicit SessionLogModel(const SessionLog& log, QObject* parent = nullptr);

    // Brings the views up to the log after the engine changed: a spin adds a row at the top,
    // an undo takes the top row away, both without touching the rows beneath; an emptied log
    // (a new game, a load) resets the views. False when the log is as the views know it.
    bool follow();

    // The numbers are written bold in the view's font.
    void set_font(const QFont& font);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    QVariant row_data(std::size_t i, int column, int role) const;
    QVariant plan_data(std::size_t i, int role) const;

    const SessionLog& log_;
    int rows_ = 0;
    std::uint64_t generation_ = 0;
    QFont number_font_;
};

}  // namespace corvane
