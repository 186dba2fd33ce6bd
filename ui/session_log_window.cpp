#include "ui/session_log_window.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/amount.h"
#include "ui/latin1.h"
#include "ui/tool_look.h"
#include "ui/window_place.h"

namespace corvane {

namespace {

// How wide a column must be for its header and the widest text it is likely to show.
int column_width(const QFontMetrics& metrics, const QString& header, const QString& widest) {
    return std::max(metrics.horizontalAdvance(header), metrics.horizontalAdvance(widest)) + 14;
}

QString widest_text(int column) {
    using B = SessionLogModel::BetColumn;
    switch (column) {
        case SessionLogModel::kSpin:
            return QStringLiteral("1000000");
        case SessionLogModel::kNumber:
            return QStringLiteral("36");
        case SessionLogModel::kBankroll:
            return QStringLiteral("1000000,05");
        case SessionLogModel::kPlan:
            return QStringLiteral("stop loss, table limit");
        default:
            break;
    }
    switch (static_cast<B>((column - 3) % SessionLogModel::kBetColumns)) {
        case B::Bet:
            return QStringLiteral("D1+D2");
        case B::Stake:
        case B::Paid:
            return QStringLiteral("16384,05");
        case B::Chain:
            return QStringLiteral("22");
        case B::Result:
            return QStringLiteral("lost");
    }
    return {};
}

}  // namespace

void export_session_csv(const Surface& surface) {
    surface.save_file(QStringLiteral("Session (*.csv)"), QStringLiteral("csv"),
                      [](const Engine& e, const std::string& path) { return e.export_csv(path); });
}

SessionLogWindow::SessionLogWindow(const Surface& surface, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint),
      surface_(surface),
      model_(surface.engine().game().log, this) {
    setObjectName(QStringLiteral("SessionLogWindow"));
    setWindowTitle(QStringLiteral("Session log"));
    // The player goes on entering numbers in the main window: opening the log keeps the
    // keyboard there.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setPalette(dark_palette(palette()));
    setAutoFillBackground(true);
    setFont(tool_font());

    build_table();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(build_totals());
    layout->addWidget(table_, 1);
    resize(720, 420);
    refresh();
    count_losing_runs();
}

QWidget* SessionLogWindow::build_totals() {
    auto* totals = new QWidget(this);
    auto* grid = new QGridLayout(totals);
    grid->setContentsMargins(0, 0, 0, 4);
    grid->setHorizontalSpacing(18);
    // The evening's net, as the main window's strip shows it, then the virtual bankroll.
    grid->addWidget(tool_label(totals, QStringLiteral("Net")), 0, 0);
    net_ = tool_label(totals, {}, QStringLiteral("Log_Net"), true);
    grid->addWidget(net_, 0, 1);
    grid->addWidget(tool_label(totals, QStringLiteral("Bankroll")), 1, 0);
    bankroll_ = tool_label(totals, {}, QStringLiteral("Log_Bankroll"), true);
    grid->addWidget(bankroll_, 1, 1);
    grid->addWidget(tool_label(totals, QStringLiteral("win rate")), 2, 1, Qt::AlignRight);
    grid->addWidget(tool_label(totals, QStringLiteral("longest losing run")), 2, 2, Qt::AlignRight);
    for (const FamilyInfo& row : kFamilies) {
        const int at = 3 + index_of(row.id);
        FamilyLabels& f = families_[index_of(row.id)];
        grid->addWidget(tool_label(totals, latin1(row.caption)), at, 0);
        f.win_rate =
            tool_label(totals, {}, QStringLiteral("Log_WinRate") + latin1(row.suffix), true);
        f.losing_run =
            tool_label(totals, {}, QStringLiteral("Log_LosingRun") + latin1(row.suffix), true);
        grid->addWidget(f.win_rate, at, 1);
        grid->addWidget(f.losing_run, at, 2);
    }
    auto* export_button = new QPushButton(QStringLiteral("Export CSV\u2026"), totals);
    export_button->setObjectName(QStringLiteral("Log_Export"));
    export_button->setFocusPolicy(Qt::NoFocus);
    connect(export_button, &QPushButton::clicked, this, [this] { export_session_csv(surface_); });
    grid->addWidget(export_button, 0, 4, Qt::AlignRight | Qt::AlignTop);
    grid->setColumnStretch(3, 1);
    return totals;
}

void SessionLogWindow::build_table() {
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("Log_Table"));
    model_.set_font(font());
    table_->setModel(&model_);
    // A list to read: nothing to select, and no current cell to mark.
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setFocusPolicy(Qt::NoFocus);
    table_->setWordWrap(false);
    table_->setCornerButtonEnabled(false);
    table_->setGridStyle(Qt::SolidLine);
    // Every size is fixed up front: a size taken from the contents would read every row.
    const QFontMetrics metrics(font());
    QHeaderView* rows = table_->verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(metrics.height() + 6);
    QHeaderView* columns = table_->horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Interactive);
    columns->setHighlightSections(false);
    for (int c = 0; c < SessionLogModel::kColumnCount; ++c) {
        columns->resizeSection(
            c,
            column_width(metrics, model_.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(),
                         widest_text(c)));
    }
}

void SessionLogWindow::open_beside(const QWidget& main) {
    show_beside(*this, main, placed_);
}

void SessionLogWindow::refresh() {
    const GameState& g = surface_.engine().game();
    net_->setText(QString::fromStdString(signed_amount(g.evening.net())));
    bankroll_->setText(QString::fromStdString(format_amount(g.bankroll)));
    for (const FamilyInfo& row : kFamilies) {
        families_[index_of(row.id)].win_rate->setText(
            QStringLiteral("%1%").arg(g.counts(row.id).win_rate));
    }
    if (model_.follow()) {
        count_losing_runs();
    }
}

// Counted over the whole log, so only when its rows changed.
void SessionLogWindow::count_losing_runs() {
    for (const FamilyInfo& row : kFamilies) {
        families_[index_of(row.id)].losing_run->setText(
            QString::number(surface_.engine().game().log.longest_losing_run(row.id)));
    }
}

}  // namespace corvane
