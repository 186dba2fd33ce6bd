// The window's artwork, painted in code. Every picture of the window is one Art drawn into the
// rectangle of its element; nothing is loaded from files.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPixmap>
#include <QRectF>
#include <QString>

namespace corvane::skin {

// Fixed colours of the window.
namespace colour {
inline const QColor kBackground(25, 25, 25);   // window background, black history fields
inline const QColor kEdge(27, 27, 27);         // side and bottom lines
inline const QColor kSilver(192, 192, 192);    // "on" captions, default text
inline const QColor kGrey(128, 128, 128);      // "off" captions, section titles
inline const QColor kOlive(128, 128, 0);       // values, statistics captions and bars
inline const QColor kCaptionBack(35, 46, 56);  // background of option captions
inline const QColor kSectionBar(23, 23, 23);   // section bars and upper value boxes
inline const QColor kFrame(68, 68, 68);        // group frames
inline const QColor kProgress(181, 56, 53);    // the spin progress line
inline const QColor kWinRate23(109, 58, 89);   // the 2/3 win-rate bar
inline const QColor kNavy(0, 0, 128);          // the 1/2 win-rate bar
inline const QColor kTooltipBack(62, 56, 38);  // tooltip box
inline const QColor kOrange(255, 140, 0);      // hover underlines, ticks, pressed numbers
inline const QColor kChainLabel(255, 255, 0);  // chain labels
}  // namespace colour

enum class Art {
    Skin,           // Image_UI: the 549 x 700 background of the whole window
    Cell,           // UI_Button_N: a number cell at rest (grey number)
    CellHover,      // UI_Button_Hover_N: grey number, orange underline
    CellPressed,    // ImageN: orange number
    BetField,       // BetField_X: the highlight of a bet field (any of its three sizes)
    Indicator,      // BetIndicator_X: 4 x 15
    Help,           // Button_Help, 22 x 22
    HelpHover,      // green "?"
    Minimise,       // Button_Hide
    MinimiseHover,  // orange "_"
    Close,          // Button_Close
    CloseHover,     // red "X"
    FileLoad,       // "L", 21 x 21 (numbers and settings files)
    FileLoadHover,
    FileSave,  // "S"
    FileSaveHover,
    Cancel,             // "CANCEL", 62 x 21
    CancelHover,        // green
    CancelInactive,     // greyed
    Options,            // 53 x 27, grey down-triangle
    OptionsHover,       // orange underline
    OptionsPressed,     // orange triangle
    CheckOn,            // _Checked, 17 x 17, orange tick
    CheckOff,           // _UnChecked, grey tick
    RadioOff,           // _UnChecked, grey dot
    RadioOn,            // _Checked, orange dot
    RadioDisabled,      // _Disabled, dim dot
    ArrowLeft,          // 20 x 20 stepper arrows, grey
    ArrowLeftActive,    // orange underline (hover)
    ArrowLeftPressed,   // orange arrow
    ArrowLeftDisabled,  // dark arrow
    ArrowRight,
    ArrowRightActive,
    ArrowRightPressed,
    ArrowRightDisabled,
    ResetButton,  // BETS / SPINS / SETTINGS, 79 x 27; the text is the element's caption
    ResetButtonHover,
    SectionBar,    // a section bar of the options panel
    ValueBox,      // rounded box behind a value (upper boxes RGB 23,23,23)
    ValueBoxDark,  // black box behind the reset-on-zero and Set Units values
    Frame,         // outline of an option group
    HistoryBox,    // black rounded box behind the history strip
    LoadingPanel,  // black panel shown while a number file loads
};

// Paints `art` into `rect`. `number` is the cell's number for the cell arts; `text` the caption
// of a reset button.
void paint(QPainter& painter, const QRectF& rect, Art art, int number = 0,
           const QString& text = {});

// The art rendered at the physical size of `size` on a screen of that pixel ratio, cached
// under a key that includes both, and tagged with the ratio: crisp on high-DPI screens.
QPixmap pixmap(Art art, QSize size, qreal ratio, int number = 0, const QString& text = {});

// The program's icon: the wheel of the title bar on a dark rounded tile.
void paint_icon(QPainter& painter, const QRectF& rect);

// The icon of the program's files: a page with the wheel and the kind of file ("KVN").
void paint_file_icon(QPainter& painter, const QRectF& rect, const QString& kind);

// The font families that stand in for Arial and Arial Narrow.
QString sans_family();
QString narrow_family();

}  // namespace corvane::skin
