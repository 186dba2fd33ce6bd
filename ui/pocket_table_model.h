// The 37 pockets as a table for Qt's views: hits, share, expected hits, how far the hits stand
// from them, spins since last seen and the longest gap, read from the game's tally whenever a
// view asks. Each cell also holds its figure as a number (Qt::UserRole), to sort by.
#pragma once

#include <QAbstractTableModel>
#include <QFont>

#include "wheel/tally.h"

namespace corvane {

class PocketTableModel : public QAbstractTableModel {
  public:
    enum Column { kNumber, kHits, kShare, kExpected, kDeviation, kSince, kLongestGap };
    static constexpr int kColumnCount = 7;

    explicit PocketTableModel(const WheelTally& tally, QObject* parent = nullptr);

    // The tally changed: every figure may have (a spin moves every pocket's gap).
    void follow();

    // The numbers are written bold in the view's font.
    void set_font(const QFont& font);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    double figure(int number, int column) const;

    const WheelTally& tally_;
    QFont number_font_;
};

}  // namespace corvane
