// Writes every art of the window as PNG at pixel ratio 1 and 2, a contact sheet of all arts, and a
// composite of the whole window with its elements in place, so the artwork can be looked at.
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

// Draws the window's elements on the skin as the window lays them out.
class Scene {
  public:
    Scene(QPainter& painter, qreal ratio) : p_(painter), ratio_(ratio) {}

    void art(Art art, int x, int y, int w, int h, int number = 0, const QString& text = {}) {
        p_.drawPixmap(QPointF(x, y), corvane::skin::pixmap(art, QSize(w, h), ratio_, number, text));
    }

    // A label as the window shows it: sized to its text unless a size is given.
    void label(int x, int y, const QString& text, const QColor& colour, const QColor& back,
               int pixels = 11, bool bold = false, int w = 0, int h = 0,
               Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop, bool narrow = false) {
        QFont f(narrow ? corvane::skin::narrow_family() : corvane::skin::sans_family());
        f.setPixelSize(pixels);
        f.setBold(bold);
        if (narrow && f.family() == corvane::skin::sans_family()) {
            f.setStretch(82);  // no narrow face installed: narrow the regular one
        }
        p_.setFont(f);
        const QFontMetrics metrics(f);
        if (w == 0) {
            w = metrics.horizontalAdvance(text);
            h = metrics.height();
        }
        const QRect box(x, y, w, h);
        if (back.alpha() > 0) {
            p_.fillRect(box, back);
        }
        p_.setPen(colour);
        p_.drawText(box, static_cast<int>(align), text);
    }

    void gauge(int x, int y, int w, int h, double fraction, const QColor& bar,
               const QString& text = {}) {
        p_.fillRect(QRect(x, y, w, h), Qt::black);
        p_.fillRect(QRectF(x, y, w * fraction, h), bar);
        if (!text.isEmpty()) {
            label(x, y, text, Qt::black, Qt::transparent, 11, false, w, h, Qt::AlignCenter);
        }
    }

  private:
    QPainter& p_;
    qreal ratio_;
};

void board(Scene& s) {
    for (int n = 0; n <= 36; ++n) {
        const int x = n == 0 ? 24 : 56 + 32 * ((n - 1) / 3);
        const std::array<int, 3> rows{152, 120, 88};
        const int y = n == 0 ? 120 : rows[static_cast<std::size_t>((n - 1) % 3)];
        Art art = Art::Cell;
        if (n == 17) {
            art = Art::CellPressed;
        } else if (n == 29) {
            art = Art::CellHover;
        }
        s.art(art, x, y, 31, 31, n);
    }
    const QColor none = Qt::transparent;
    // Bets on Red, on two dozens and on a column, each with its amount and chain label.
    struct Field {
        int x, y, w, h, ax, ay, cx, cy;
        const char* amount;
        const char* chain;
    };
    const std::array<Field, 4> fields{{
        {185, 220, 62, 32, 192, 228, 187, 220, "2", "Ch 3"},
        {185, 186, 125, 32, 224, 194, 187, 187, "1,5", "Ch 1"},
        {313, 186, 125, 32, 352, 194, 315, 187, "1,5", "Ch 1"},
        {443, 152, 81, 29, 459, 159, 445, 153, "12", "Ch 4"},
    }};
    for (const Field& f : fields) {
        s.art(Art::BetField, f.x, f.y, f.w, f.h);
        s.label(f.ax, f.ay, QString::fromLatin1(f.amount), Qt::white, none, 13, true, 46, 14,
                Qt::AlignCenter);
        s.label(f.cx, f.cy, QString::fromLatin1(f.chain), colour::kChainLabel, none, 9, false, 20,
                12);
    }
    // The Even/Odd pre-alert.
    s.art(Art::Indicator, 152, 229, 4, 15);
    s.art(Art::Indicator, 344, 229, 4, 15);
}

void chrome(Scene& s) {
    s.art(Art::Help, 474, 5, 22, 22);
    s.art(Art::Minimise, 497, 5, 22, 22);
    s.art(Art::CloseHover, 520, 5, 22, 22);
    s.art(Art::FileLoad, 83, 49, 21, 21);
    s.art(Art::FileSaveHover, 105, 49, 21, 21);
    s.art(Art::HistoryBox, 133, 47, 196, 24);
    const std::array<const char*, 10> history{"17", "32", "0", "5",  "26",
                                              "11", "36", "8", "23", "14"};
    for (int k = 0; k < 10; ++k) {
        s.label(137 + 19 * k, 51, QString::fromLatin1(history[static_cast<std::size_t>(k)]),
                colour::kSilver, Qt::black, 11, true, 17, 16, Qt::AlignCenter);
    }
    s.art(Art::Cancel, 334, 49, 62, 21);
    s.gauge(26, 272, 495, 7, 0.42, colour::kProgress);
    s.art(Art::OptionsPressed, 248, 293, 53, 27);
}

void options_panel(Scene& s) {
    const QColor slate = colour::kCaptionBack;
    const QColor silver = colour::kSilver;
    const QColor grey = colour::kGrey;
    const QColor olive = colour::kOlive;
    const QColor none = Qt::transparent;
    s.art(Art::SectionBar, -12, 304, 249, 26);
    s.art(Art::SectionBar, 312, 304, 249, 26);
    s.art(Art::SectionBar, 0, 496, 553, 25);
    s.label(7, 309, QStringLiteral("OPTIONS:"), grey, none, 11, false, 0, 0, Qt::AlignLeft, true);
    s.label(487, 309, QStringLiteral("STATISTICS:"), grey, none, 11, false, 0, 0, Qt::AlignLeft,
            true);
    s.label(7, 501, QStringLiteral("ADVANCED SETTINGS:"), grey, none, 11, false, 0, 0,
            Qt::AlignLeft, true);
    s.art(Art::FileLoad, 492, 498, 21, 21);
    s.art(Art::FileSave, 515, 498, 21, 21);

    struct Check {
        int x, y;
        const char* caption;
        bool on;
    };
    const std::array<Check, 6> checks{{{7, 337, "Red / Black", true},
                                       {95, 337, "Even / Odd", true},
                                       {183, 337, "1-18 / 19-36", false},
                                       {7, 361, "Dozens", true},
                                       {87, 361, "Columns", true},
                                       {167, 361, "Show chains ID", true}}};
    for (const Check& c : checks) {
        s.art(c.on ? Art::CheckOn : Art::CheckOff, c.x, c.y, 17, 17);
        s.label(c.x + 21, c.y + 2, QString::fromLatin1(c.caption), c.on ? silver : grey, slate);
    }

    s.label(28, 395, QStringLiteral("BET:"), silver, slate);
    s.label(115, 395, QStringLiteral("1/2 CL"), silver, slate);
    s.label(202, 395, QStringLiteral("2/3 CL"), silver, slate);
    s.art(Art::ValueBox, 27, 409, 45, 20);
    s.art(Art::ArrowLeft, 6, 409, 20, 20);
    s.art(Art::ArrowRightActive, 71, 409, 20, 20);
    s.label(30, 412, QStringLiteral("1"), olive, none, 11, true, 40, 14, Qt::AlignCenter);
    s.art(Art::ValueBox, 115, 409, 41, 20);
    s.art(Art::ArrowLeft, 94, 409, 20, 20);
    s.art(Art::ArrowRight, 156, 409, 20, 20);
    s.label(117, 412, QStringLiteral("9"), olive, none, 11, true, 37, 14, Qt::AlignCenter);
    s.art(Art::ValueBox, 201, 409, 48, 20);
    s.art(Art::ArrowLeftPressed, 179, 409, 20, 20);
    s.art(Art::ArrowRight, 250, 409, 20, 20);
    s.label(205, 412, QStringLiteral("8"), olive, none, 11, true, 40, 14, Qt::AlignCenter);

    s.label(26, 443, QStringLiteral("1/2 Betting system:"), silver, slate);
    s.label(159, 443, QStringLiteral("2/3 Betting system:"), silver, slate);
    s.art(Art::ValueBox, 23, 456, 94, 20);
    s.art(Art::ArrowLeft, 6, 456, 20, 20);
    s.art(Art::ArrowRight, 117, 456, 20, 20);
    s.label(31, 459, QStringLiteral("Martingale"), olive, none, 11, true, 82, 14, Qt::AlignCenter);
    s.art(Art::ValueBox, 157, 456, 93, 20);
    s.art(Art::ArrowLeft, 137, 456, 20, 20);
    s.art(Art::ArrowRight, 250, 456, 20, 20);
    s.label(156, 459, QStringLiteral("3x Bet"), olive, none, 11, true, 93, 14, Qt::AlignCenter);

    // Reset on zero switched on; bet automatic reset off; trend betting on, downtrend chosen.
    s.art(Art::Frame, 8, 536, 262, 49);
    s.art(Art::CheckOn, 15, 529, 17, 17);
    s.label(36, 531, QStringLiteral("Reset On ZERO:"), silver, slate);
    s.label(15, 556, QStringLiteral("1/2 Steps:"), silver, slate);
    s.art(Art::ValueBoxDark, 88, 555, 25, 18);
    s.art(Art::ArrowLeft, 67, 554, 20, 20);
    s.art(Art::ArrowRight, 113, 554, 20, 20);
    s.label(90, 557, QStringLiteral("2"), olive, none, 11, true, 21, 14, Qt::AlignCenter);
    s.label(143, 556, QStringLiteral("2/3 Steps:"), silver, slate);
    s.art(Art::ValueBoxDark, 216, 555, 25, 18);
    s.art(Art::ArrowLeft, 195, 554, 20, 20);
    s.art(Art::ArrowRight, 241, 554, 20, 20);
    s.label(218, 557, QStringLiteral("1"), olive, none, 11, true, 21, 14, Qt::AlignCenter);

    s.art(Art::Frame, 280, 536, 257, 49);
    s.art(Art::CheckOff, 287, 529, 17, 17);
    s.label(308, 531, QStringLiteral("BET AUTOMATIC RESET:"), grey, slate);
    s.art(Art::RadioDisabled, 287, 554, 17, 17);
    s.label(309, 556, QStringLiteral("On Profit"), grey, slate);
    s.art(Art::RadioDisabled, 371, 554, 17, 17);
    s.label(393, 556, QStringLiteral("Set Units:"), grey, slate);
    s.art(Art::ValueBoxDark, 464, 554, 41, 18);
    s.art(Art::ArrowLeftDisabled, 443, 553, 20, 20);
    s.art(Art::ArrowRightDisabled, 505, 553, 20, 20);
    s.label(466, 556, QStringLiteral("0,1"), Qt::black, none, 11, true, 37, 14, Qt::AlignCenter);

    s.art(Art::Frame, 8, 600, 262, 49);
    s.label(20, 595, QStringLiteral("Manual RESET:"), silver, slate);
    s.art(Art::ResetButtonHover, 16, 615, 79, 27, 0, QStringLiteral("BETS"));
    s.art(Art::ResetButton, 99, 615, 79, 27, 0, QStringLiteral("SPINS"));
    s.art(Art::ResetButton, 182, 615, 79, 27, 0, QStringLiteral("SETTINGS"));

    s.art(Art::Frame, 280, 600, 257, 49);
    s.art(Art::CheckOn, 287, 593, 17, 17);
    s.label(308, 595, QStringLiteral("TREND BETTING:"), silver, slate);
    s.art(Art::RadioOff, 287, 618, 17, 17);
    s.label(309, 619, QStringLiteral("Bet on uptrend"), grey, slate);
    s.art(Art::RadioOn, 401, 618, 17, 17);
    s.label(422, 619, QStringLiteral("Bet on downtrend"), silver, slate);
}

void statistics(Scene& s) {
    const QColor olive = colour::kOlive;
    const QColor black = Qt::black;
    const std::array<int, 3> xs{289, 377, 465};
    const std::array<const char*, 6> pairs{"Red (48%)", "Black (49%)", "Even (52%)",
                                           "Odd (45%)", "1-18 (47%)",  "19-36 (50%)"};
    const std::array<double, 3> shares{0.48, 0.52, 0.47};
    for (std::size_t i = 0; i < 3; ++i) {
        s.label(xs[i], 339, QString::fromLatin1(pairs[2 * i]), olive, black);
        s.label(xs[i], 355, QString::fromLatin1(pairs[2 * i + 1]), olive, black);
        s.gauge(xs[i] - 1, 370, 65, 9, shares[i], olive);
    }
    const std::array<const char*, 3> dozens{"1ST D (31%)", "2ND D (36%)", "3RD D (30%)"};
    const std::array<const char*, 3> columns{"1ST C (34%)", "2ND C (29%)", "3RD C (34%)"};
    for (std::size_t i = 0; i < 3; ++i) {
        s.label(xs[i], 389, QString::fromLatin1(dozens[i]), olive, black);
        s.gauge(xs[i] - 1, 402, 65, 9, 0.3 + 0.03 * static_cast<double>(i), olive);
        s.label(xs[i], 421, QString::fromLatin1(columns[i]), olive, black);
        s.gauge(xs[i] - 1, 434, 65, 9, 0.34 - 0.02 * static_cast<double>(i), olive);
    }
    s.label(289, 453, QStringLiteral("R/B, E/O, L/M win rate:"), colour::kSilver, black);
    s.label(409, 453, QStringLiteral("Dozens/Columns win rate:"), colour::kSilver, black);
    s.gauge(288, 466, 113, 17, 0.45, colour::kNavy, QStringLiteral("45%"));
    s.gauge(408, 466, 129, 17, 0.62, colour::kWinRate23, QStringLiteral("62%"));
}

QImage composite(qreal ratio) {
    QImage image = canvas(QSize(549, 700), ratio, colour::kBackground);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    Scene scene(painter, ratio);
    scene.art(Art::Skin, 0, 0, 549, 700);
    board(scene);
    chrome(scene);
    options_panel(scene);
    statistics(scene);
    // The window's own edge lines.
    painter.fillRect(QRect(0, 36, 2, 500), colour::kEdge);
    painter.fillRect(QRect(548, 37, 2, 500), colour::kEdge);
    painter.fillRect(QRect(0, 658, 548, 5), colour::kEdge);
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
        ok = save(composite(ratio), dir, QStringLiteral("composite") + suffix) && ok;
        ok = save(sheet(ratio), dir, QStringLiteral("sheet") + suffix) && ok;
    }
    QTextStream(stdout) << "wrote " << dir.absolutePath() << "\n";
    return ok ? 0 : 1;
}
