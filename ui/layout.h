// Where the window's elements stand, in logical pixels. The window places its elements from
// these tables and the skin paints the felt, the bed of the number cells and the progress track
// beneath them from the same ones, so a box on the felt and the element over it cannot drift
// apart. The options panel keeps its own rows (names, places and setting operations together).
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>
#include <string>
#include <string_view>

#include "base/numbers.h"
#include "base/statistics.h"
#include "engine/game_state.h"

namespace corvane::layout {

// ---- The window and its skin --------------------------------------------------------------

inline constexpr int kWidth = 549;
inline constexpr int kClosedHeight = 330;  // the board alone
inline constexpr int kOpenHeight = 660;    // with the options panel below it
inline constexpr QPoint kStartPosition{221, 121};

// The skin is one picture beneath every element, a little taller than the open window.
inline constexpr QSize kSkinSize{kWidth, 700};
inline constexpr int kTitleBarHeight = 36;
inline constexpr int kPanelTop = 304;  // the options and statistics start here

// The side lines, and the bottom line that follows the window's height.
inline constexpr QRect kLeftLine{0, 36, 2, 500};
inline constexpr QRect kRightLine{548, 37, 2, 500};
inline constexpr QSize kBottomLineSize{548, 5};
inline constexpr int kBottomLineRise = 2;  // its top above the window's bottom edge

// ---- Number cells -------------------------------------------------------------------------

// The zero stands left of the middle row; then twelve columns of three cells, the column's
// lowest number at the bottom.
inline constexpr int kCellSide = 31;
inline constexpr int kCellPitch = 32;  // a cell and the line between two cells
inline constexpr QRect kZeroCell{24, 120, kCellSide, kCellSide};
inline constexpr QPoint kFirstColumnTop{56, 88};  // the top left of cell 3

constexpr QRect cell_rect(int n) {
    if (n == 0) {
        return kZeroCell;
    }
    const int column = (n - 1) / 3;
    const int rows_below = (n - 1) % 3;
    return {kFirstColumnTop.x() + kCellPitch * column,
            kFirstColumnTop.y() + kCellPitch * (2 - rows_below), kCellSide, kCellSide};
}

// The whole grid of cells, zero included; the bed beneath the cells surrounds it.
inline constexpr QRect kNumberGrid{QPoint(cell_rect(0).left(), cell_rect(3).top()),
                                   QPoint(cell_rect(36).right(), cell_rect(1).bottom())};

// ---- Bet fields ---------------------------------------------------------------------------

inline constexpr QSize kStakeSize{46, 14};
inline constexpr QSize kChainLabelSize{20, 12};
inline constexpr QSize kIndicatorSize{4, 15};

// One side's bet: the highlight over its box on the felt, the stake, the chain label and the
// indicator. The side's name completes the element names: BetField_Red, Bet_Red, Bet_Red_Chain,
// BetIndicator_Red.
struct SideField {
    Side side;
    QRect field;
    QPoint stake;
    QPoint chain;
    QPoint indicator;
};

inline constexpr std::array<SideField, kSideCount> kSideFields = {{
    {Side::Less, {57, 220, 62, 32}, {64, 228}, {59, 220}, {88, 229}},
    {Side::Even, {121, 220, 62, 32}, {128, 228}, {123, 220}, {152, 229}},
    {Side::Red, {185, 220, 62, 32}, {192, 228}, {187, 220}, {216, 229}},
    {Side::Black, {249, 220, 62, 32}, {256, 228}, {251, 220}, {280, 229}},
    {Side::Odd, {313, 220, 62, 32}, {320, 228}, {315, 220}, {344, 229}},
    {Side::More, {377, 220, 62, 32}, {384, 228}, {379, 220}, {408, 229}},
    {Side::Dozen1, {57, 186, 125, 32}, {96, 194}, {59, 187}, {120, 195}},
    {Side::Dozen2, {185, 186, 125, 32}, {224, 194}, {187, 187}, {248, 195}},
    {Side::Dozen3, {313, 186, 125, 32}, {352, 194}, {315, 187}, {376, 195}},
    {Side::Column1, {443, 152, 81, 29}, {459, 159}, {445, 153}, {483, 160}},
    {Side::Column2, {443, 120, 81, 29}, {459, 127}, {445, 121}, {483, 128}},
    {Side::Column3, {443, 88, 81, 29}, {459, 95}, {445, 89}, {483, 96}},
}};

constexpr const SideField& side_field(Side side) {
    for (const SideField& f : kSideFields) {
        if (f.side == side) {
            return f;
        }
    }
    return kSideFields[0];
}

// The parts of the skin laid over the bet fields while a spin is processed.
inline constexpr QRect kBetCoverOutside{56, 185, 383, 69};  // HideBets1
inline constexpr QRect kBetCoverColumns{442, 87, 83, 96};   // HideBets2

// ---- Title bar and number tray ------------------------------------------------------------

inline constexpr QRect kHelpButton{474, 5, 22, 22};
inline constexpr QRect kMinimiseButton{497, 5, 22, 22};
inline constexpr QRect kCloseButton{520, 5, 22, 22};
inline constexpr QRect kLoadNumbersButton{83, 49, 21, 21};
inline constexpr QRect kSaveNumbersButton{105, 49, 21, 21};
inline constexpr QRect kCancelButton{334, 49, 62, 21};

// The history strip: the last ten numbers, newest first, in a box.
inline constexpr QRect kHistoryBox{133, 47, 196, 24};
inline constexpr int kHistoryShown = 10;
constexpr QRect history_rect(int k) {
    return {137 + 19 * k, 51, 17, 16};
}

// ---- Progress, options button, loading panel ----------------------------------------------

inline constexpr QRect kProgressBar{26, 272, 495, 7};  // CGauge1, in its track on the skin
inline constexpr QRect kOptionsButton{248, 293, 53, 27};

inline constexpr QRect kLoadingPanel{80, 104, 377, 113};
inline constexpr QRect kLoadingCaption{72, 40, 120, 14};  // inside the panel
inline constexpr QRect kLoadingBar{72, 56, 233, 17};      // inside the panel

// ---- Statistics ---------------------------------------------------------------------------

// A caption of the statistics panel, named Stat_<name>_Text: its place (it is as wide as its
// text) and what it shows of the game, drawn anew after every change. A new figure in the panel
// is one more row here.
struct StatCaption {
    std::string_view name;
    QPoint at;
    std::string (*text)(const GameState& game);
};

// A side's caption, "Red (48%)", named after the side.
template <Side S>
constexpr StatCaption side_caption(QPoint at) {
    return {info(S).short_name, at,
            [](const GameState& game) { return stat_display_text(game.stats, S); }};
}

inline constexpr QSize kStatCaptionSize{80, 14};
inline constexpr std::array kStatCaptions = {
    side_caption<Side::Red>({289, 339}),     side_caption<Side::Black>({289, 355}),
    side_caption<Side::Even>({377, 339}),    side_caption<Side::Odd>({377, 355}),
    side_caption<Side::Less>({465, 339}),    side_caption<Side::More>({465, 355}),
    side_caption<Side::Dozen1>({289, 389}),  side_caption<Side::Dozen2>({377, 389}),
    side_caption<Side::Dozen3>({465, 389}),  side_caption<Side::Column1>({289, 421}),
    side_caption<Side::Column2>({377, 421}), side_caption<Side::Column3>({465, 421}),
};

// The nine statistic bars, in the order of StatBar.
struct StatBarPlace {
    const char* name;
    QRect rect;
};

inline constexpr std::array<StatBarPlace, kStatBarCount> kStatBars = {{
    {"CGauge_RedBlack", {288, 370, 65, 9}},
    {"CGauge_EvenOdd", {376, 370, 65, 9}},
    {"CGauge_LessMore", {464, 370, 65, 9}},
    {"CGauge_D1", {288, 402, 65, 9}},
    {"CGauge_D2", {376, 402, 65, 9}},
    {"CGauge_D3", {464, 402, 65, 9}},
    {"CGauge_C1", {288, 434, 65, 9}},
    {"CGauge_C2", {376, 434, 65, 9}},
    {"CGauge_C3", {464, 434, 65, 9}},
}};

// The two win rates: a caption above a bar with its percentage.
// Each family's win rate, by index_of(Family): its caption Stat_WinRate<suffix> and its bar
// CGauge_WinRate<suffix>.
struct WinRatePlace {
    QRect caption;
    QRect bar;
};
inline constexpr std::array<WinRatePlace, kFamilyCount> kWinRates = {{
    {{289, 453, 118, 14}, {288, 466, 113, 17}},
    {{409, 453, 130, 14}, {408, 466, 129, 17}},
}};

}  // namespace corvane::layout
