// Writes every art of the window as PNG at pixel ratio 1 and 2, and a contact sheet of all arts,
// so the artwork can be looked at piece by piece (corvane_screenshots shows the real window).
//
//     corvane_skin_preview OUTDIR
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include <array>
#include <cstdio>
#include <vector>

#include "ui/skin.h"

namespace {

using corvane::skin::Art;
namespace colour = corvane::skin::colour;

struct Sample {
    Art art;
    const char* name;
    QSize size;
    int number = 0;
    const char* text = "";
};

const std::vector<Sample>& samples() {
    static const std::vector<Sample> list{
        {Art::Skin, "skin", {549, 700}},
        {Art::Cell, "cell_0", {31, 31}, 0},
        {Art::Cell, "cell_1", {31, 31}, 1},
        {Art::Cell, "cell_2", {31, 31}, 2},
        {Art::Cell, "cell_36", {31, 31}, 36},
        {Art::CellHover, "cell_hover_1", {31, 31}, 1},
        {Art::CellHover, "cell_hover_2", {31, 31}, 2},
        {Art::CellHover, "cell_hover_0", {31, 31}, 0},
        {Art::CellPressed, "cell_pressed_1", {31, 31}, 1},
        {Art::CellPressed, "cell_pressed_2", {31, 31}, 2},
        {Art::CellPressed, "cell_pressed_0", {31, 31}, 0},
        {Art::BetField, "bet_field_outside", {62, 32}},
        {Art::BetField, "bet_field_dozen", {125, 32}},
        {Art::BetField, "bet_field_column", {81, 29}},
        {Art::Indicator, "indicator", {4, 15}},
        {Art::Help, "help", {22, 22}},
        {Art::HelpHover, "help_hover", {22, 22}},
        {Art::Minimise, "minimise", {22, 22}},
        {Art::MinimiseHover, "minimise_hover", {22, 22}},
        {Art::Close, "close", {22, 22}},
        {Art::CloseHover, "close_hover", {22, 22}},
        {Art::FileLoad, "file_load", {21, 21}},
        {Art::FileLoadHover, "file_load_hover", {21, 21}},
        {Art::FileSave, "file_save", {21, 21}},
        {Art::FileSaveHover, "file_save_hover", {21, 21}},
        {Art::Cancel, "cancel", {62, 21}},
        {Art::CancelHover, "cancel_hover", {62, 21}},
        {Art::CancelInactive, "cancel_inactive", {62, 21}},
        {Art::Options, "options", {53, 27}},
        {Art::OptionsHover, "options_hover", {53, 27}},
        {Art::OptionsPressed, "options_pressed", {53, 27}},
        {Art::CheckOn, "check_on", {17, 17}},
        {Art::CheckOff, "check_off", {17, 17}},
        {Art::RadioOff, "radio_off", {17, 17}},
        {Art::RadioOn, "radio_on", {17, 17}},
        {Art::RadioDisabled, "radio_disabled", {17, 17}},
        {Art::ArrowLeft, "arrow_left", {20, 20}},
        {Art::ArrowLeftActive, "arrow_left_active", {20, 20}},
        {Art::ArrowLeftPressed, "arrow_left_pressed", {20, 20}},
        {Art::ArrowLeftDisabled, "arrow_left_disabled", {20, 20}},
        {Art::ArrowRight, "arrow_right", {20, 20}},
        {Art::ArrowRightActive, "arrow_right_active", {20, 20}},
        {Art::ArrowRightPressed, "arrow_right_pressed", {20, 20}},
        {Art::ArrowRightDisabled, "arrow_right_disabled", {20, 20}},
        {Art::ResetButton, "reset_bets", {79, 27}, 0, "BETS"},
        {Art::ResetButtonHover, "reset_bets_hover", {79, 27}, 0, "BETS"},
        {Art::ResetButton, "reset_settings", {79, 27}, 0, "SETTINGS"},
        {Art::SectionBar, "section_bar", {249, 26}},
        {Art::ValueBox, "value_box", {45, 20}},
        {Art::ValueBoxDark, "value_box_dark", {41, 18}},
        {Art::Frame, "frame", {262, 49}},
        {Art::HistoryBox, "history_box", {196, 24}},
        {Art::LoadingPanel, "loading_panel", {377, 113}},
    };
    return list;
}

QImage canvas(QSize logical, qreal ratio, const QColor& fill) {
    QImage image(logical * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(fill);
    return image;
}

// All arts side by side with their names, on the window background.
QImage sheet(qreal ratio) {
    const int columns = 4;
    const int cell_w = 140;
    const int cell_h = 58;
    const auto& list = samples();
    const int rows = static_cast<int>(list.size() + columns - 1) / columns;
    QImage image = canvas(QSize(columns * cell_w, rows * cell_h), ratio, colour::kBackground);
    QPainter painter(&image);
    QFont f(corvane::skin::sans_family());
    f.setPixelSize(9);
    painter.setFont(f);
    for (std::size_t i = 1; i < list.size(); ++i) {
        const Sample& s = list[i];
        const int x = static_cast<int>((i - 1) % columns) * cell_w;
        const int y = static_cast<int>((i - 1) / columns) * cell_h;
        QSize size = s.size;
        if (size.width() > cell_w - 10) {
            size.scale(cell_w - 10, 40, Qt::KeepAspectRatio);
        }
        corvane::skin::paint(painter, QRectF(QPointF(x + 5, y + 4), QSizeF(size)), s.art, s.number,
                             QString::fromLatin1(s.text));
        painter.setPen(colour::kGrey);
        painter.drawText(QRect(x + 5, y + cell_h - 14, cell_w - 10, 12), Qt::AlignLeft,
                         QString::fromLatin1(s.name));
    }
    return image;
}

bool save(const QImage& image, const QDir& dir, const QString& name) {
    const QString path = dir.filePath(name);
    if (!image.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir dir(out);
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(out));
        return 1;
    }
    bool ok = true;
    for (const qreal ratio : {1.0, 2.0}) {
        const QString suffix = ratio == 1.0 ? QStringLiteral("@1x.png") : QStringLiteral("@2x.png");
        for (const Sample& s : samples()) {
            const QPixmap pm =
                corvane::skin::pixmap(s.art, s.size, ratio, s.number, QString::fromLatin1(s.text));
            ok = save(pm.toImage(), dir, QString::fromLatin1(s.name) + suffix) && ok;
        }
        ok = save(sheet(ratio), dir, QStringLiteral("sheet") + suffix) && ok;
    }
    QTextStream(stdout) << "wrote " << dir.absolutePath() << "\n";
    return ok ? 0 : 1;
}
