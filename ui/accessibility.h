// What screen readers learn of the window's hand-painted elements. Qt hands them every
// widget's accessible name and description; this adds the role of a picture that stands for a
// button, a check box, a radio button, a text or a bar, and the state the drawing pass finds.
// A picture without a role is artwork (the skin, a frame, a hover, pressed or dim picture over
// an element): readers pass it by, and the element beneath speaks for it.
#pragma once

#include <QAccessible>
#include <QString>

class QWidget;

namespace corvane::accessibility {

// Makes a widget an element of that role, with its name and description.
void set_role(QWidget* element, QAccessible::Role role, const QString& name = {},
              const QString& description = {});
// Makes a widget artwork that readers pass by.
void set_artwork(QWidget* widget);

// Each of these tells the readers only of a change.
void set_name(QWidget* element, const QString& name, const QString& description = {});
void set_checked(QWidget* element, bool checked);
void set_available(QWidget* element, bool available);
void set_expanded(QWidget* element, bool expanded);
// A bar's value changed.
void value_changed(QWidget* bar, int value);

}  // namespace corvane::accessibility
