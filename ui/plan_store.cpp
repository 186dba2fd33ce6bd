#include "ui/plan_store.h"

#include <QSettings>
#include <QStandardPaths>
#include <array>
#include <string>
#include <variant>

#include "base/amount.h"

namespace corvane {

namespace {

constexpr std::array<const char*, kPlanPartCount> kKeys = {"plan/bankroll", "plan/table_max",
                                                           "plan/stop_loss", "plan/target"};
constexpr char kSoundKey[] = "plan/warning_sound";

QSettings remembered() {
    return QSettings(remembered_settings_path(), QSettings::IniFormat);
}

}  // namespace

QString remembered_settings_path() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/corvane/corvane.conf");
}

MoneyPlan load_plan() {
    QSettings file = remembered();
    std::array<PlanEntry, kPlanPartCount> entries;
    for (int k = 0; k < kPlanPartCount; ++k) {
        const QVariant value = file.value(QLatin1String(kKeys[k]));
        entries[k] = {value.isValid(), value.toString().toStdString()};
    }
    // A plan edited by hand into something the dialog refuses is not taken.
    const std::variant<MoneyPlan, PlanError> plan = read_plan(entries);
    return std::holds_alternative<MoneyPlan>(plan) ? std::get<MoneyPlan>(plan) : MoneyPlan{};
}

void save_plan(const MoneyPlan& plan) {
    QSettings file = remembered();
    for (int k = 0; k < kPlanPartCount; ++k) {
        const std::optional<double>& value = plan.*plan_field(static_cast<PlanPart>(k));
        if (value) {
            // As the dialog shows it, which reads back as the same amount.
            file.setValue(QLatin1String(kKeys[k]), QString::fromStdString(format_amount(*value)));
        } else {
            file.remove(QLatin1String(kKeys[k]));
        }
    }
    file.sync();
}

bool load_warning_sound() {
    return remembered().value(QLatin1String(kSoundKey), false).toBool();
}

void save_warning_sound(bool on) {
    QSettings file = remembered();
    file.setValue(QLatin1String(kSoundKey), on);
    file.sync();
}

}  // namespace corvane
