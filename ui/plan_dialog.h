// The money plan's dialog: four optional parts (bankroll, table maximum, stop loss, target),
// each ticked to be used and typed in the units of the stakes on the board. What cannot be
// taken is said at its part, and nothing changes until the whole plan can be.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <array>
#include <functional>

#include "engine/money_plan.h"

namespace corvane {

class PlanDialog : public QDialog {
  public:
    explicit PlanDialog(QWidget* parent);

    // Shows the plan in force, and whether a warning rings the bell.
    void show_plan(const MoneyPlan& plan, bool sound);

    // Called with the plan and the bell's choice once OK takes them; the dialog then closes.
    std::function<void(const MoneyPlan& plan, bool sound)> taken;
    // "What to expect…": takes the plan as OK does, then opens the window of what to expect.
    std::function<void()> expect;

  private:
    struct Part {
        QCheckBox* used = nullptr;
        QLineEdit* amount = nullptr;
        QLabel* error = nullptr;
    };

    // Reads the parts; on a refusal shows it at its part and gives false.
    bool take();

    std::array<Part, kPlanPartCount> parts_{};
    QCheckBox* sound_ = nullptr;
};

}  // namespace corvane
