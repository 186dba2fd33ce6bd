#include "ui/plan_strip.h"

#include <QAccessible>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "ui/skin.h"

namespace corvane {

namespace {

constexpr int kTextPixels = 11;
constexpr int kMargin = 10;
constexpr int kGap = 16;  // between two figures
const QColor kGain(120, 200, 110);
const QColor kLoss(235, 95, 80);
const QColor kWarningText(255, 200, 90);

QFont strip_font(bool bold) {
    QFont f(skin::sans_family());
    f.setPixelSize(kTextPixels);
    f.setBold(bold);
    return f;
}

QLabel* strip_label(QWidget* parent, const QString& name, bool bold) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFont(strip_font(bold));
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

void set_colour(QLabel* label, const QColor& colour) {
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
}

// The colour of the net: green while the evening is ahead, red while behind.
QColor net_colour(const QString& figure) {
    if (figure.contains(QLatin1Char('+'))) {
        return kGain;
    }
    return figure.contains(QChar(0x2212)) ? kLoss : skin::colour::kSilver;
}

}  // namespace

PlanStrip::PlanStrip(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PlanStrip"));
    setAccessibleName(QStringLiteral("Money plan"));
    dismiss_ = new QPushButton(QStringLiteral("\u00d7"), this);
    dismiss_->setObjectName(QStringLiteral("PlanStrip_Dismiss"));
    dismiss_->setAccessibleName(QStringLiteral("Dismiss the warnings"));
    dismiss_->setFlat(true);
    dismiss_->setCursor(Qt::PointingHandCursor);
    dismiss_->setFont(strip_font(true));
    dismiss_->setFixedSize(18, 18);
    dismiss_->setFocusPolicy(Qt::NoFocus);
    QPalette pal = dismiss_->palette();
    pal.setColor(QPalette::ButtonText, kWarningText);
    dismiss_->setPalette(pal);
    dismiss_->hide();
    alert = [](QWidget* line) {
        QAccessibleEvent event(line, QAccessible::Alert);
        QAccessible::updateAccessibility(&event);
    };
    connect(dismiss_, &QPushButton::clicked, this, [this] {
        if (dismissed) {
            dismissed();
        }
    });
    hide();
}

int PlanStrip::needed_height() const {
    if (figures_.empty()) {
        return 0;
    }
    return kFiguresHeight + kWarningHeight * static_cast<int>(warnings_.size());
}

bool PlanStrip::show_state(const std::vector<std::string>& figures,
                           const std::vector<std::string>& warnings) {
    while (figures_.size() < figures.size()) {
        figures_.push_back(strip_label(
            this, QStringLiteral("PlanStrip_Figure%1").arg(figures_.size() + 1), false));
    }
    while (figures_.size() > figures.size()) {
        delete figures_.back();
        figures_.pop_back();
    }
    int x = kMargin;
    QStringList spoken;
    for (std::size_t i = 0; i < figures.size(); ++i) {
        QLabel* label = figures_[i];
        const QString text = QString::fromStdString(figures[i]);
        label->setText(text);
        label->setFont(strip_font(i == 0));
        set_colour(label, i == 0 ? net_colour(text) : skin::colour::kSilver);
        label->adjustSize();
        label->move(x, (kFiguresHeight - label->height()) / 2);
        label->show();
        x += label->width() + kGap;
        spoken << text;
    }
    setAccessibleDescription(spoken.join(QStringLiteral(", ")));

    QStringList now;
    for (const std::string& w : warnings) {
        now << QString::fromStdString(w);
    }
    const bool came = !now.isEmpty() && now != shown_warnings_;
    shown_warnings_ = now;
    while (warnings_.size() < static_cast<std::size_t>(now.size())) {
        QLabel* label = strip_label(
            this, QStringLiteral("PlanStrip_Warning%1").arg(warnings_.size() + 1), true);
        set_colour(label, kWarningText);
        warnings_.push_back(label);
    }
    while (warnings_.size() > static_cast<std::size_t>(now.size())) {
        delete warnings_.back();
        warnings_.pop_back();
    }
    for (int i = 0; i < now.size(); ++i) {
        QLabel* label = warnings_[static_cast<std::size_t>(i)];
        label->setText(now[i]);
        label->setAccessibleName(now[i]);
        label->adjustSize();
        label->move(kMargin + 18,
                    kFiguresHeight + kWarningHeight * i + (kWarningHeight - label->height()) / 2);
        label->show();
    }
    dismiss_->setVisible(!now.isEmpty());
    dismiss_->move(width() - dismiss_->width() - 6, kFiguresHeight + 1);
    if (came && alert) {
        for (QLabel* label : warnings_) {
            alert(label);
        }
    }
    update();
    return came;
}

void PlanStrip::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all = rect();
    QLinearGradient back(all.topLeft(), all.bottomLeft());
    back.setColorAt(0, QColor(34, 34, 34));
    back.setColorAt(1, QColor(18, 18, 18));
    p.fillRect(all, back);
    p.setPen(QPen(QColor(255, 255, 255, 24), 1));
    p.drawLine(QPointF(0, 0.5), QPointF(width(), 0.5));
    // Each warning's line: a dark red band with an amber sign.
    for (std::size_t i = 0; i < warnings_.size(); ++i) {
        const QRectF band(4, kFiguresHeight + kWarningHeight * static_cast<double>(i) + 1,
                          width() - 8, kWarningHeight - 2);
        QPainterPath path;
        path.addRoundedRect(band, 4, 4);
        p.fillPath(path, QColor(88, 22, 18));
        const QPointF top(band.left() + 11, band.top() + 3);
        QPainterPath sign;
        sign.moveTo(top);
        sign.lineTo(top + QPointF(6.5, 12));
        sign.lineTo(top + QPointF(-6.5, 12));
        sign.closeSubpath();
        p.fillPath(sign, kWarningText);
        p.setPen(QPen(QColor(88, 22, 18), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(top + QPointF(0, 4), top + QPointF(0, 7.6));
        p.drawPoint(top + QPointF(0, 10));
    }
}

}  // namespace corvane
