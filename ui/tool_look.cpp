#include "ui/tool_look.h"

#include "ui/skin.h"

namespace corvane {

QPalette dark_palette(QPalette pal) {
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
        pal.setColor(role, skin::colour::kBackground);
    }
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        pal.setColor(role, skin::colour::kSilver);
    }
    pal.setColor(QPalette::AlternateBase, skin::colour::kSectionBar);
    pal.setColor(QPalette::Mid, skin::colour::kFrame);
    pal.setColor(QPalette::Dark, skin::colour::kFrame);
    pal.setColor(QPalette::Highlight, skin::colour::kCaptionBack);
    pal.setColor(QPalette::HighlightedText, Qt::white);
    return pal;
}

QFont tool_font(bool bold, int pixels) {
    QFont f(skin::sans_family());
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QLabel* tool_label(QWidget* parent, const QString& text, const QString& name, bool value) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setFont(tool_font(value));
    if (value) {
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, Qt::white);
        l->setPalette(pal);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    return l;
}

}  // namespace corvane
