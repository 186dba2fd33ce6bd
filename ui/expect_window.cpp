#include "ui/expect_window.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "base/amount.h"
#include "base/text_table.h"
#include "chart/chart_writer.h"
#include "settings/settings_description.h"
#include "settings/settings_file.h"
#include "ui/skin.h"
#include "ui/tool_look.h"
#include "ui/window_place.h"

namespace corvane {

namespace {

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

QLabel* caption(QWidget* parent, const QString& text) {
    QLabel* l = tool_label(parent, text);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, skin::colour::kOlive);
    l->setPalette(pal);
    return l;
}

QPushButton* button(QWidget* parent, const QString& text, const QString& name) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    return b;
}

// A figure of the result, as wide from the start as the widest it is likely to show: the
// columns stand still when a result comes.
QLabel* value_label(QWidget* parent, const QString& name, const char* widest) {
    QLabel* l = tool_label(parent, {}, name, true);
    l->setMinimumWidth(QFontMetrics(l->font()).horizontalAdvance(QLatin1String(widest)));
    return l;
}

// The plan's parts in the order of its dialog, each with its sign as the report writes it.
struct PlanPartView {
    PlanPart part;
    const char* name;
    const char* key;
    const char* sign;
};
constexpr std::array<PlanPartView, kPlanPartCount> kPlanParts = {{
    {PlanPart::Bankroll, "bankroll", "Bankroll", ""},
    {PlanPart::TableMax, "table max", "TableMax", ""},
    {PlanPart::StopLoss, "stop loss", "StopLoss", "-"},
    {PlanPart::Target, "target", "Target", "+"},
}};

// "corvane-backtest --settings FILE.kvs --sessions 10000 --spins 300 --seed 1 --bankroll
// 1000", the command that plays the same sessions with these options saved as FILE.kvs.
QString command_text(const ExpectInputs& in) {
    QString c =
        QStringLiteral("corvane-backtest --settings FILE.kvs --sessions %1 --spins %2 --seed %3")
            .arg(in.sessions)
            .arg(in.spins)
            .arg(in.seed);
    const std::array<std::pair<const char*, const std::optional<double>*>, kPlanPartCount> parts = {
        {{"--bankroll", &in.plan.bankroll},
         {"--table-max", &in.plan.table_max},
         {"--stop-loss", &in.plan.stop_loss},
         {"--target", &in.plan.target}}};
    for (const auto& [option, value] : parts) {
        if (*value) {
            QString amount = text(format_amount(**value));
            c += QStringLiteral(" %1 %2").arg(QLatin1String(option), amount.replace(u',', u'.'));
        }
    }
    return c;
}

}  // namespace

ExpectWindow::ExpectWindow(const Surface& surface, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), surface_(surface), run_(this) {
    setObjectName(QStringLiteral("ExpectWindow"));
    setWindowTitle(QStringLiteral("What to expect"));
    // The player goes on entering numbers in the main window: the keyboard stays there until
    // the player clicks into this one.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setPalette(dark_palette(palette()));
    setAutoFillBackground(true);
    setFont(tool_font());

    chart_ = new ChartView(this);
    chart_->setObjectName(QStringLiteral("Expect_Chart"));
    chart_->setAccessibleName(
        QStringLiteral("Chart: the net over the spins of a session, and the final net"));
    chart_->set_note(QStringLiteral("Run plays the sessions; their chart appears here."));

    auto* honest = tool_label(
        this,
        QStringLiteral("No setting beats the house edge: every bet loses 1/37 of its stake on "
                       "average (%1), whatever the chains and the betting system. The figures "
                       "show how often an evening ends well, and what the others cost.")
            .arg(text(percent_text(kHouseEdge))),
        QStringLiteral("Expect_HouseEdgeNote"));
    honest->setWordWrap(true);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(14);
    columns->addWidget(build_figures(), 0);
    columns->addWidget(chart_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 12);
    layout->setSpacing(8);
    layout->addWidget(build_inputs());
    layout->addLayout(columns, 1);
    layout->addWidget(honest);
    resize(1120, 660);

    run_.progressed = [this](std::uint64_t done, std::uint64_t) {
        done_ = done;
        draw();
    };
    run_.finished = [this](std::shared_ptr<const ExpectResult> result) {
        finished(std::move(result));
    };
    status_ = QStringLiteral("Run plays the sessions with these options and this plan.");
    draw();
}

QWidget* ExpectWindow::build_inputs() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(5);

    settings_ = tool_label(box, {}, QStringLiteral("Expect_Settings"));
    settings_->setWordWrap(true);
    grid->addWidget(caption(box, QStringLiteral("options")), 0, 0, Qt::AlignTop);
    grid->addWidget(settings_, 0, 1, 1, 8);

    grid->addWidget(caption(box, QStringLiteral("plan")), 1, 0);
    auto* plan = new QHBoxLayout;
    plan->setSpacing(24);
    for (std::size_t k = 0; k < kPlanParts.size(); ++k) {
        const PlanPartView& v = kPlanParts[k];
        plan_[k] = tool_label(box, {}, QStringLiteral("Expect_Plan_") + QLatin1String(v.key));
        plan->addWidget(plan_[k]);
    }
    plan->addStretch(1);
    grid->addLayout(plan, 1, 1, 1, 8);

    const auto field = [&](QSpinBox* spin, const QString& name, int maximum, int value) {
        spin->setObjectName(name);
        spin->setRange(1, maximum);
        spin->setValue(value);
        spin->setAccelerated(true);
        connect(spin, &QSpinBox::valueChanged, this, [this] { draw(); });
        return spin;
    };
    spins_ = field(new QSpinBox(box), QStringLiteral("Expect_Spins"), kMaxSpins, 300);
    sessions_ = field(new QSpinBox(box), QStringLiteral("Expect_Sessions"), kMaxSessions, 10000);
    seed_ = new QLineEdit(QStringLiteral("1"), box);
    seed_->setObjectName(QStringLiteral("Expect_Seed"));
    seed_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,20}")), seed_));
    seed_->setToolTip(QStringLiteral(
        "The seed of the random numbers: the same seed plays the same sessions, here and in "
        "corvane-backtest"));
    seed_->setMaximumWidth(QFontMetrics(font()).horizontalAdvance(QStringLiteral("0")) * 21 + 12);
    connect(seed_, &QLineEdit::textChanged, this, [this] { draw(); });

    grid->addWidget(caption(box, QStringLiteral("spins per session")), 2, 0);
    grid->addWidget(spins_, 2, 1);
    grid->addWidget(caption(box, QStringLiteral("sessions")), 2, 2, Qt::AlignRight);
    grid->addWidget(sessions_, 2, 3);
    grid->addWidget(caption(box, QStringLiteral("seed")), 2, 4, Qt::AlignRight);
    grid->addWidget(seed_, 2, 5);
    run_button_ = button(box, QStringLiteral("Run"), QStringLiteral("Expect_Run"));
    cancel_button_ = button(box, QStringLiteral("Cancel"), QStringLiteral("Expect_Cancel"));
    connect(run_button_, &QPushButton::clicked, this, [this] { run(); });
    connect(cancel_button_, &QPushButton::clicked, this, [this] { cancel(); });
    grid->addWidget(run_button_, 2, 6);
    grid->addWidget(cancel_button_, 2, 7);
    grid->setColumnStretch(8, 1);

    progress_ = new QProgressBar(box);
    progress_->setObjectName(QStringLiteral("Expect_Progress"));
    progress_->setFormat(QStringLiteral("%v of %m sessions"));
    status_label_ = tool_label(box, {}, QStringLiteral("Expect_Status"));
    grid->addWidget(progress_, 3, 0, 1, 4);
    grid->addWidget(status_label_, 3, 4, 1, 5);

    stale_ = new QWidget(box);
    stale_->setObjectName(QStringLiteral("Expect_OutOfDate"));
    auto* stale = new QHBoxLayout(stale_);
    stale->setContentsMargins(0, 0, 0, 0);
    stale_text_ = tool_label(stale_,
                             QStringLiteral("Out of date: the options, the plan or the fields "
                                            "changed after this run."),
                             QStringLiteral("Expect_OutOfDateText"));
    QPalette pal = stale_text_->palette();
    pal.setColor(QPalette::WindowText, skin::colour::kOrange);
    stale_text_->setPalette(pal);
    stale_text_->setFont(tool_font(true));
    run_again_ = button(stale_, QStringLiteral("Run again"), QStringLiteral("Expect_RunAgain"));
    connect(run_again_, &QPushButton::clicked, this, [this] { run(); });
    stale->addWidget(stale_text_);
    stale->addWidget(run_again_);
    stale->addStretch(1);
    grid->addWidget(stale_, 4, 0, 1, 9);
    // The row keeps its place while hidden: the figures do not jump when it shows.
    QSizePolicy keep = stale_->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    stale_->setSizePolicy(keep);
    return box;
}

QWidget* ExpectWindow::build_figures() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(3);
    int row = 0;
    played_ = tool_label(box, {}, QStringLiteral("Expect_Played"));
    played_->setWordWrap(true);
    grid->addWidget(played_, row++, 0, 1, 4);

    const char* heads[] = {"how the sessions ended", "sessions", "share", "95 % interval"};
    for (int c = 0; c < 4; ++c) {
        grid->addWidget(caption(box, QLatin1String(heads[c])), row, c,
                        c == 0 ? Qt::AlignLeft : Qt::AlignRight);
    }
    ++row;
    for (int e = 0; e < kSessionEndCount; ++e) {
        const auto at = static_cast<std::size_t>(e);
        const QString key = QLatin1String(kSessionEndNames[at].data(),
                                          static_cast<qsizetype>(kSessionEndNames[at].size()));
        grid->addWidget(tool_label(box, QLatin1String(kSessionEndWords[at])), row, 0);
        EndLabels& l = ends_[at];
        l.count = value_label(box, QStringLiteral("Expect_End_%1_Count").arg(key), "100000");
        l.share = value_label(box, QStringLiteral("Expect_End_%1_Share").arg(key), "100,00 %");
        l.interval = value_label(box, QStringLiteral("Expect_End_%1_Interval").arg(key),
                                 "100,00 % to 100,00 %");
        grid->addWidget(l.count, row, 1);
        grid->addWidget(l.share, row, 2);
        grid->addWidget(l.interval, row, 3);
        ++row;
    }
    grid->setRowMinimumHeight(row++, 8);

    grid->addWidget(caption(box, QStringLiteral("per session")), row, 0);
    grid->addWidget(caption(box, QStringLiteral("value")), row, 2, Qt::AlignRight);
    grid->addWidget(caption(box, QStringLiteral("95 % interval")), row, 3, Qt::AlignRight);
    ++row;
    const auto figure = [&](const QString& words, const QString& name, QLabel** value,
                            QLabel** interval) {
        grid->addWidget(tool_label(box, words), row, 0, 1, 2);
        *value = value_label(box, QStringLiteral("Expect_") + name, "-10000,00");
        grid->addWidget(*value, row, 2);
        if (interval != nullptr) {
            *interval = value_label(box, QStringLiteral("Expect_%1Interval").arg(name),
                                    "-10000,00 to -10000,00");
            grid->addWidget(*interval, row, 3);
        }
        ++row;
    };
    figure(QStringLiteral("mean net"), QStringLiteral("MeanNet"), &mean_net_, &mean_net_interval_);
    figure(QStringLiteral("net per staked unit"), QStringLiteral("NetPerStaked"), &per_staked_,
           &per_staked_interval_);
    figure(QStringLiteral("house edge"), QStringLiteral("HouseEdge"), &house_edge_, nullptr);
    figure(QStringLiteral("mean spins played"), QStringLiteral("MeanSpins"), &mean_spins_, nullptr);
    figure(QStringLiteral("largest stake (any session)"), QStringLiteral("LargestStake"),
           &largest_stake_, nullptr);
    // The house edge stands beside the net per staked unit, for the comparison that matters.
    QPalette edge = house_edge_->palette();
    edge.setColor(QPalette::WindowText, skin::colour::kSilver);
    house_edge_->setPalette(edge);
    house_edge_->setText(text(percent_text(kHouseEdge)));

    grid->setRowMinimumHeight(row++, 8);
    auto* buttons = new QHBoxLayout;
    save_chart_ =
        button(box, QStringLiteral("Save chart\u2026"), QStringLiteral("Expect_SaveChart"));
    copy_text_ = button(box, QStringLiteral("Copy as text"), QStringLiteral("Expect_CopyText"));
    connect(save_chart_, &QPushButton::clicked, this, [this] { save_chart(); });
    connect(copy_text_, &QPushButton::clicked, this, [this] { copy_text(); });
    buttons->addWidget(save_chart_);
    buttons->addWidget(copy_text_);
    buttons->addStretch(1);
    grid->addLayout(buttons, row++, 0, 1, 4);
    grid->setRowStretch(row, 1);
    return box;
}

void ExpectWindow::open_beside(const QWidget& main) {
    show_beside(*this, main, placed_);
}

std::optional<ExpectInputs> ExpectWindow::inputs() const {
    bool ok = false;
    const std::uint64_t seed = seed_->text().toULongLong(&ok);
    if (!ok) {
        return std::nullopt;
    }
    const Engine& engine = surface_.engine();
    ExpectInputs in;
    in.settings_file = settings_file_text(engine.settings_text());
    in.plan = engine.plan();
    in.spins = static_cast<std::uint64_t>(spins_->value());
    in.sessions = static_cast<std::uint64_t>(sessions_->value());
    in.seed = seed;
    return in;
}

bool ExpectWindow::out_of_date() const {
    const std::optional<ExpectInputs> now = inputs();
    return result_ != nullptr && (!now || *now != result_->inputs);
}

void ExpectWindow::inputs_changed() {
    if (running()) {
        const std::optional<ExpectInputs> now = inputs();
        if (now && *now != run_.inputs()) {
            start(*now);
        }
    }
    draw();
}

void ExpectWindow::run() {
    const std::optional<ExpectInputs> now = inputs();
    if (!now) {
        return;
    }
    start(*now);
    draw();
}

void ExpectWindow::start(const ExpectInputs& inputs) {
    done_ = 0;
    total_ = inputs.sessions;
    run_.start(inputs);
}

void ExpectWindow::cancel() {
    if (run_.cancel()) {
        status_ = result_ ? QStringLiteral("Cancelled: the figures are those of the run before.")
                          : QStringLiteral("Cancelled.");
    }
    draw();
}

void ExpectWindow::closeEvent(QCloseEvent* event) {
    cancel();
    QWidget::closeEvent(event);
}

void ExpectWindow::finished(std::shared_ptr<const ExpectResult> result) {
    if (!result) {
        status_ = QStringLiteral("The options could not be read: nothing was played.");
        draw();
        return;
    }
    result_ = std::move(result);
    done_ = total_;
    status_ = QStringLiteral("Played %1 sessions.").arg(result_->inputs.sessions);
    // The time taken differs from machine to machine and run to run: it is there to point at.
    status_label_->setToolTip(QStringLiteral("%1 s on %2 thread%3")
                                  .arg(result_->seconds, 0, 'f', 2)
                                  .arg(result_->threads)
                                  .arg(result_->threads == 1 ? QString() : QStringLiteral("s")));
    chart_->set_chart(std::shared_ptr<const SessionChart>(result_, &result_->chart));
    draw_figures();
    draw();
}

void ExpectWindow::save_chart() {
    if (!result_) {
        return;
    }
    const std::shared_ptr<const ExpectResult> shown = result_;
    surface_.save_file(
        QStringLiteral("Charts (*.svg *.png)"), QStringLiteral("svg"),
        [shown](const Engine&, const std::string& path) -> Message {
            const QString suffix = QFileInfo(QString::fromStdString(path)).suffix().toLower();
            if (suffix != QLatin1String("svg") && suffix != QLatin1String("png")) {
                return "Cannot create file " + path + ": a chart is saved as .svg or .png";
            }
            return write_chart(shown->chart, path);
        });
}

void ExpectWindow::copy_text() {
    if (result_) {
        QGuiApplication::clipboard()->setText(text(result_->text));
    }
}

void ExpectWindow::draw() {
    const Engine& engine = surface_.engine();
    const Settings& s = engine.settings();
    const std::string described = settings_text(s, std::nullopt);
    // The description's first line names the file; the window's options have none.
    settings_->setText(text(described.substr(described.find('\n') + 1)).trimmed());
    const MoneyPlan& plan = engine.plan();
    for (std::size_t k = 0; k < kPlanParts.size(); ++k) {
        const PlanPartView& v = kPlanParts[k];
        const std::optional<double>& value = plan.*plan_field(v.part);
        plan_[k]->setText(QStringLiteral("%1 %2").arg(
            QLatin1String(v.name),
            value ? QLatin1String(v.sign) + text(format_amount(*value)) : QStringLiteral("none")));
    }

    const bool busy = running();
    const std::optional<ExpectInputs> now = inputs();
    for (QWidget* w : std::initializer_list<QWidget*>{spins_, sessions_, seed_}) {
        w->setEnabled(!busy);
    }
    run_button_->setEnabled(!busy && now.has_value());
    cancel_button_->setEnabled(busy);
    progress_->setRange(0, std::max<int>(1, static_cast<int>(total_)));
    progress_->setValue(static_cast<int>(done_));
    if (busy) {
        status_label_->setText(QStringLiteral("Playing %1 sessions of at most %2 spins\u2026")
                                   .arg(run_.inputs().sessions)
                                   .arg(run_.inputs().spins));
    } else {
        status_label_->setText(now ? status_
                                   : QStringLiteral("The seed is a whole number from 0 to "
                                                    "18446744073709551615."));
    }
    stale_->setVisible(out_of_date());
    run_again_->setEnabled(!busy && now.has_value());
    save_chart_->setEnabled(result_ != nullptr);
    copy_text_->setEnabled(result_ != nullptr);
}

void ExpectWindow::draw_figures() {
    const ExpectInputs& in = result_->inputs;
    const RiskReport& r = result_->report;
    played_->setText(QStringLiteral("%1 sessions of at most %2 spins, seed %3")
                         .arg(in.sessions)
                         .arg(in.spins)
                         .arg(in.seed));
    played_->setToolTip(QStringLiteral("The same figures as %1, with these options saved as "
                                       "FILE.kvs")
                            .arg(command_text(in)));
    for (int e = 0; e < kSessionEndCount; ++e) {
        const OutcomeShare& o = r.outcomes[static_cast<std::size_t>(e)];
        EndLabels& l = ends_[static_cast<std::size_t>(e)];
        l.count->setText(QString::number(o.count));
        l.share->setText(text(percent_text(o.share)));
        l.interval->setText(text(percent_text(o.ci95.low) + " to " + percent_text(o.ci95.high)));
    }
    mean_net_->setText(text(money_text(r.net.mean)));
    mean_net_interval_->setText(text(interval_text(r.net.ci95, money_text)));
    if (r.net_per_staked) {
        per_staked_->setText(text(percent_text(r.net_per_staked->value)));
        per_staked_interval_->setText(text(interval_text(r.net_per_staked->ci95, percent_text)));
    } else {
        per_staked_->setText(QStringLiteral("n/a (nothing staked)"));
        per_staked_interval_->clear();
    }
    mean_spins_->setText(text(money_text(r.mean_spins)));
    largest_stake_->setText(text(money_text(r.largest_stake)));
}

}  // namespace corvane
