#include "ui/plan_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <variant>

#include "base/amount.h"
#include "ui/tool_look.h"

namespace corvane {

namespace {

struct PartRow {
    const char* name;  // Plan_<name>, Plan_<name>_On, Plan_<name>_Error
    const char* caption;
    const char* meaning;
};

// In the order of PlanPart.
constexpr std::array<PartRow, kPlanPartCount> kParts = {{
    {"Bankroll", "Bankroll", "the money you brought to the table"},
    {"TableMax", "Table maximum", "the largest stake the table takes on one side or section"},
    {"StopLoss", "Stop loss", "stop once the evening has lost this much"},
    {"Target", "Target", "stop once the evening has won this much"},
}};

const QColor kErrorColour(255, 120, 100);
const QColor kFieldBack(52, 52, 52);  // the boxes typed and ticked in, lighter than the window

// A box that stands out of the dark window.
void lighten(QWidget* w) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Base, kFieldBack);
    pal.setColor(QPalette::Button, kFieldBack);
    w->setPalette(pal);
}

}  // namespace

PlanDialog::PlanDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("PlanDialog"));
    setWindowTitle(QStringLiteral("Money plan"));
    setPalette(dark_palette(palette()));
    setAutoFillBackground(true);
    setFont(tool_font());

    auto* grid = new QGridLayout;
    for (int k = 0; k < kPlanPartCount; ++k) {
        const PartRow& row = kParts[static_cast<std::size_t>(k)];
        const QString name = QStringLiteral("Plan_") + QLatin1String(row.name);
        Part& part = parts_[static_cast<std::size_t>(k)];
        part.used = new QCheckBox(QLatin1String(row.caption), this);
        part.used->setObjectName(name + QStringLiteral("_On"));
        part.amount = new QLineEdit(this);
        part.amount->setObjectName(name);
        part.amount->setAccessibleName(QLatin1String(row.caption));
        part.amount->setPlaceholderText(QStringLiteral("1000"));
        part.amount->setEnabled(false);
        lighten(part.used);
        lighten(part.amount);
        auto* meaning = tool_label(this, QLatin1String(row.meaning));
        part.error = tool_label(this, {}, name + QStringLiteral("_Error"));
        QPalette red = part.error->palette();
        red.setColor(QPalette::WindowText, kErrorColour);
        part.error->setPalette(red);
        part.error->hide();
        connect(part.used, &QCheckBox::toggled, this, [&part](bool on) {
            part.amount->setEnabled(on);
            part.error->hide();
            if (on) {
                part.amount->setFocus();
            }
        });
        connect(part.amount, &QLineEdit::textEdited, part.error, &QLabel::hide);
        grid->addWidget(part.used, 3 * k, 0);
        grid->addWidget(part.amount, 3 * k, 1);
        grid->addWidget(meaning, 3 * k + 1, 1);
        grid->addWidget(part.error, 3 * k + 2, 1);
    }
    auto* money = tool_label(this, QStringLiteral("Amounts are in the units of the stakes on the "
                                                  "board, with a comma or a point: 2,50."));
    sound_ = new QCheckBox(QStringLiteral("Ring the desktop's bell with a warning"), this);
    sound_->setObjectName(QStringLiteral("Plan_Sound"));
    lighten(sound_);

    auto* expect_button = new QPushButton(QStringLiteral("What to expect…"), this);
    expect_button->setObjectName(QStringLiteral("Plan_Expect"));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Plan_OK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Plan_Cancel"));
    connect(ok, &QPushButton::clicked, this, [this] {
        if (take()) {
            accept();
        }
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(expect_button, &QPushButton::clicked, this, [this] {
        if (take()) {
            accept();
            if (expect) {
                expect();
            }
        }
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(expect_button);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* column = new QVBoxLayout(this);
    column->addLayout(grid);
    column->addWidget(money);
    column->addWidget(sound_);
    column->addLayout(buttons);
}

void PlanDialog::show_plan(const MoneyPlan& plan, bool sound) {
    for (int k = 0; k < kPlanPartCount; ++k) {
        Part& part = parts_[static_cast<std::size_t>(k)];
        const std::optional<double>& value = plan.*plan_field(static_cast<PlanPart>(k));
        part.used->setChecked(value.has_value());
        part.amount->setText(value ? QString::fromStdString(format_amount(*value)) : QString());
        part.error->hide();
    }
    sound_->setChecked(sound);
}

bool PlanDialog::take() {
    std::array<PlanEntry, kPlanPartCount> entries;
    for (int k = 0; k < kPlanPartCount; ++k) {
        const Part& part = parts_[static_cast<std::size_t>(k)];
        part.error->hide();
        entries[static_cast<std::size_t>(k)] = {part.used->isChecked(),
                                                part.amount->text().toStdString()};
    }
    const std::variant<MoneyPlan, PlanError> read = read_plan(entries);
    if (const PlanError* error = std::get_if<PlanError>(&read)) {
        const Part& part = parts_[static_cast<std::size_t>(error->part)];
        part.error->setText(QString::fromStdString(error->message));
        part.error->show();
        part.amount->setFocus();
        part.amount->selectAll();
        return false;
    }
    if (taken) {
        taken(std::get<MoneyPlan>(read), sound_->isChecked());
    }
    return true;
}

}  // namespace corvane
