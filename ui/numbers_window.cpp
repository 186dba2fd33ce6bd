#include "ui/numbers_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "base/categories.h"
#include "engine/session_log.h"
#include "ui/skin.h"
#include "ui/tool_look.h"
#include "ui/window_place.h"
#include "wheel/fairness.h"

namespace corvane {

namespace {

QLabel* caption(QWidget* parent, const QString& text) {
    QLabel* l = tool_label(parent, text);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, skin::colour::kOlive);
    l->setPalette(pal);
    return l;
}

QString signed_text(double value) {
    return (value >= 0 ? QStringLiteral("+") : QString()) + QString::number(value, 'f', 2);
}

// "Red", "D1": a side or section as the session log names it.
QString side_name(Side side) {
    const CategoryId c = category_of(side);
    const int k = index_of(side) - index_of(info(c).first_side);
    return QString::fromStdString(bet_sides_text(c, static_cast<std::uint8_t>(1U << k)));
}

// The widest text a column shows: the table's columns are sized once, up front.
constexpr std::array<const char*, PocketTableModel::kColumnCount> kWidest = {
    "Number", "100000", "10.00 %", "10000.0", "+10.00", "10000", "Longest gap"};

}  // namespace

NumbersWindow::NumbersWindow(const Surface& surface, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint),
      surface_(surface),
      arc_check_(this),
      model_(surface.engine().game().wheel, this) {
    setObjectName(QStringLiteral("NumbersWindow"));
    setWindowTitle(QStringLiteral("Numbers"));
    // The player goes on entering numbers in the main window: the keyboard stays there.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setPalette(dark_palette(palette()));
    setAutoFillBackground(true);
    setFont(tool_font());

    ring_ = new WheelRing(surface.engine().game().wheel, this);
    build_table();
    auto* left = new QVBoxLayout;
    left->setSpacing(8);
    left->addWidget(ring_);
    left->addWidget(build_sectors());
    left->addWidget(build_sides());
    left->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->setSpacing(14);
    columns->addLayout(left, 0);
    columns->addWidget(table_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 12);
    layout->setSpacing(8);
    layout->addWidget(build_findings());
    layout->addLayout(columns, 1);
    resize(820, 620);

    arc_check_.answered = [this] { refresh(); };
    refresh();
}

QWidget* NumbersWindow::build_findings() {
    auto* box = new QWidget(this);
    auto* v = new QVBoxLayout(box);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(3);
    verdict_ = tool_label(box, {}, QStringLiteral("Numbers_Verdict"));
    verdict_->setFont(tool_font(true, 14));
    verdict_->setWordWrap(true);
    QPalette pal = verdict_->palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    verdict_->setPalette(pal);
    verdict_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    pockets_test_ = tool_label(box, {}, QStringLiteral("Numbers_PocketsTest"));
    arc_test_ = tool_label(box, {}, QStringLiteral("Numbers_ArcTest"));
    v->addWidget(verdict_);
    v->addWidget(pockets_test_);
    v->addWidget(arc_test_);
    return box;
}

QWidget* NumbersWindow::build_sectors() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(2);
    const char* heads[] = {"sector", "hits", "expected", "sd"};
    for (int c = 0; c < 4; ++c) {
        QLabel* head = caption(box, QLatin1String(heads[c]));
        grid->addWidget(head, 0, c, c == 0 ? Qt::AlignLeft : Qt::AlignRight);
    }
    for (std::size_t i = 0; i < kSectors.size(); ++i) {
        const SectorInfo& s = kSectors[i];
        const int row = static_cast<int>(i) + 1;
        const QString key = QString::fromLatin1(s.key.data(), static_cast<int>(s.key.size()));
        grid->addWidget(tool_label(box, QStringLiteral("%1 (%2)")
                                            .arg(QString::fromLatin1(
                                                s.name.data(), static_cast<int>(s.name.size())))
                                            .arg(s.size())),
                        row, 0);
        SectorLabels& l = sectors_[i];
        l.hits = tool_label(box, {}, QStringLiteral("Numbers_Sector_%1_Hits").arg(key), true);
        l.expected =
            tool_label(box, {}, QStringLiteral("Numbers_Sector_%1_Expected").arg(key), true);
        l.deviation = tool_label(box, {}, QStringLiteral("Numbers_Sector_%1_Sd").arg(key), true);
        grid->addWidget(l.hits, row, 1);
        grid->addWidget(l.expected, row, 2);
        grid->addWidget(l.deviation, row, 3);
    }
    grid->setColumnStretch(0, 1);
    return box;
}

QWidget* NumbersWindow::build_sides() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 4, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(2);
    grid->addWidget(caption(box, QStringLiteral("spins since each side last won")), 0, 0, 1, 6);
    for (const CategoryInfo& ci : kCategories) {
        const int row = 1 + index_of(ci.id);
        for (int k = 0; k < ci.side_count; ++k) {
            const Side side = static_cast<Side>(index_of(ci.first_side) + k);
            grid->addWidget(tool_label(box, side_name(side)), row, 2 * k);
            QLabel* since =
                tool_label(box, {}, QStringLiteral("Numbers_Since_") + side_name(side), true);
            sides_[index_of(side)] = since;
            grid->addWidget(since, row, 2 * k + 1);
        }
    }
    return box;
}

void NumbersWindow::build_table() {
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("Numbers_Table"));
    model_.set_font(font());
    sorted_.setSourceModel(&model_);
    sorted_.setSortRole(Qt::UserRole);
    table_->setModel(&sorted_);
    table_->setSortingEnabled(true);
    table_->sortByColumn(PocketTableModel::kNumber, Qt::AscendingOrder);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setFocusPolicy(Qt::NoFocus);
    table_->setWordWrap(false);
    table_->setCornerButtonEnabled(false);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QFontMetrics metrics(font());
    QHeaderView* rows = table_->verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(metrics.height() + 4);
    QHeaderView* columns = table_->horizontalHeader();
    columns->setHighlightSections(false);
    columns->setSectionResizeMode(QHeaderView::Interactive);
    columns->setStretchLastSection(true);
    for (int c = 0; c < PocketTableModel::kColumnCount; ++c) {
        columns->resizeSection(c, metrics.horizontalAdvance(QLatin1String(kWidest[c])) + 16);
    }
}

void NumbersWindow::open_beside(const QWidget& main) {
    show_beside(*this, main, placed_);
}

void NumbersWindow::refresh() {
    const WheelTally& tally = surface_.engine().game().wheel;
    WheelFindings f = examine(tally.counts());
    const bool early = f.spins < kEarliestTest;
    if (!early) {
        f.arc_p = arc_check_.p_value(f.arcs);
    }
    verdict_->setText(QString::fromStdString(verdict_text(f)));
    ring_->setAccessibleDescription(verdict_->text());

    const ArcSearch& a = f.arcs;
    if (early) {
        pockets_test_->setText(QStringLiteral("Pockets: too early for the chi-square test."));
        arc_test_->setText(QStringLiteral("Hot arc: too early to test."));
    } else {
        pockets_test_->setText(QStringLiteral("Pockets: chi-square %1, %2 degrees of freedom, %3")
                                   .arg(f.pockets.statistic, 0, 'f', 2)
                                   .arg(f.pockets.df)
                                   .arg(QString::fromStdString(p_text(f.pockets.p))));
        QString pockets;
        for (int i = 0; i < a.length(); ++i) {
            pockets += (i == 0 ? QString() : QStringLiteral(", ")) +
                       QString::number(pocket_at(a.first_position() + i));
        }
        arc_test_->setText(
            QStringLiteral("Hot arc: %1 (%2): %3 hits, %4 expected, %5 over every arc of 1 to 18")
                .arg(a.length() == 1 ? QStringLiteral("1 pocket")
                                     : QStringLiteral("%1 pockets").arg(a.length()))
                .arg(pockets)
                .arg(a.hits())
                .arg(a.expected(), 0, 'f', 1)
                .arg(f.arc_p ? QString::fromStdString(p_text(*f.arc_p))
                             : QStringLiteral("p being simulated\u2026")));
    }
    ring_->set_hot_arc(early ? std::nullopt
                             : std::optional<Arc>(Arc{a.first_pocket(), a.length()}));

    for (std::size_t i = 0; i < kSectors.size(); ++i) {
        const SectorInfo& s = kSectors[i];
        const std::int64_t hits = sector_hits(f.counts, s);
        sectors_[i].hits->setText(QString::number(hits));
        sectors_[i].expected->setText(QString::number(sector_expected(f.spins, s), 'f', 1));
        sectors_[i].deviation->setText(signed_text(deviation(hits, f.spins, s.size())));
    }
    for (int s = 0; s < kSideCount; ++s) {
        const std::int64_t since = tally.since_side(static_cast<Side>(s));
        sides_[s]->setText(since < 0 ? QStringLiteral("never") : QString::number(since));
    }
    model_.follow();
    ring_->update();
}

}  // namespace corvane
