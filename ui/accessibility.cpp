#include "ui/accessibility.h"

#include <QAccessibleWidget>
#include <QVariant>
#include <QWidget>

#include "ui/bar.h"

namespace corvane::accessibility {

namespace {

// The element's role (NoRole for artwork) and its state, kept on the widget itself.
constexpr char kRole[] = "corvane_role";
constexpr char kChecked[] = "corvane_checked";
constexpr char kUnavailable[] = "corvane_unavailable";
constexpr char kExpanded[] = "corvane_expanded";

class Element : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    Element(QWidget* widget, QAccessible::Role role)
        : QAccessibleWidget(widget, role == QAccessible::NoRole ? QAccessible::Client : role),
          artwork_(role == QAccessible::NoRole) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        const QWidget* w = widget();
        s.invisible |= artwork_;
        if (role() == QAccessible::CheckBox || role() == QAccessible::RadioButton) {
            s.checkable = true;
            s.checked = w->property(kChecked).toBool();
        }
        s.disabled |= w->property(kUnavailable).toBool();
        if (const QVariant expanded = w->property(kExpanded); expanded.isValid()) {
            s.expandable = true;
            s.expanded = expanded.toBool();
            s.collapsed = !expanded.toBool();
        }
        return s;
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value && bar() != nullptr) {
            return bar()->text();
        }
        return QAccessibleWidget::text(t);
    }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::ValueInterface && bar() != nullptr) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(t);
    }

    // A bar shows a value; it takes none.
    QVariant currentValue() const override { return bar()->value(); }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return bar()->maximum(); }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

  private:
    const Bar* bar() const { return dynamic_cast<const Bar*>(widget()); }

    bool artwork_;
};

QAccessibleInterface* element_for(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    const QVariant role = widget != nullptr ? widget->property(kRole) : QVariant();
    if (!role.isValid()) {
        return nullptr;
    }
    return new Element(widget, static_cast<QAccessible::Role>(role.toInt()));
}

// The role goes on the widget before anything asks for its interface, which Qt keeps once
// made: so the factory is in place before the first role is set.
void mark(QWidget* widget, QAccessible::Role role) {
    static const bool installed = [] {
        QAccessible::installFactory(element_for);
        return true;
    }();
    (void)installed;
    widget->setProperty(kRole, static_cast<int>(role));
}

// Sets a state flag; true when it changed.
bool set_flag(QWidget* element, const char* flag, bool on) {
    const QVariant old = element->property(flag);
    if (old.isValid() && old.toBool() == on) {
        return false;
    }
    element->setProperty(flag, on);
    return true;
}

void state_changed(QWidget* element, void (*set)(QAccessible::State&)) {
    if (QAccessible::isActive()) {
        QAccessible::State changed;
        set(changed);
        QAccessibleStateChangeEvent event(element, changed);
        QAccessible::updateAccessibility(&event);
    }
}

}  // namespace

void set_role(QWidget* element, QAccessible::Role role, const QString& name,
              const QString& description) {
    mark(element, role);
    set_name(element, name, description);
}

void set_artwork(QWidget* widget) {
    mark(widget, QAccessible::NoRole);
}

void set_name(QWidget* element, const QString& name, const QString& description) {
    if (element->accessibleName() != name) {
        element->setAccessibleName(name);
    }
    if (element->accessibleDescription() != description) {
        element->setAccessibleDescription(description);
    }
}

void set_checked(QWidget* element, bool checked) {
    if (set_flag(element, kChecked, checked)) {
        state_changed(element, [](QAccessible::State& s) { s.checked = true; });
    }
}

void set_available(QWidget* element, bool available) {
    if (set_flag(element, kUnavailable, !available)) {
        state_changed(element, [](QAccessible::State& s) { s.disabled = true; });
    }
}

void set_expanded(QWidget* element, bool expanded) {
    if (set_flag(element, kExpanded, expanded)) {
        state_changed(element, [](QAccessible::State& s) {
            s.expanded = true;
            s.collapsed = true;
        });
    }
}

void value_changed(QWidget* bar, int value) {
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(bar, value);
        QAccessible::updateAccessibility(&event);
    }
}

}  // namespace corvane::accessibility
