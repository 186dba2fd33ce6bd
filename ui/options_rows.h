// The options panel's rows: every element's name and place and the option it controls, grouped
// by kind. The option's row in the table of options (settings/settings.h) gives the control its
// setting operations, its value and whether it counts. The panel builds its elements from these
// in the order they are listed here, group by group, and what is made later lies above.
#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <array>
#include <vector>

#include "settings/settings.h"
#include "ui/layout.h"
#include "ui/skin.h"

namespace corvane::options {

constexpr int kTextPixels = 11;  // Arial 8 pt at the 96 dots per inch the layout was drawn for

// ---- Section bars and frames --------------------------------------------------------------

struct SectionRow {
    const char* name;  // Bar_<name> and its title Text_<name>
    QRect bar;
    QPoint title_at;
    const char* title;
};

inline constexpr SectionRow kOptionsSection{
    "Options", {-12, layout::kPanelTop, 249, 26}, {7, layout::kPanelTop + 5}, "OPTIONS:"};
inline constexpr SectionRow kStatisticsSection{
    "Statistics", {312, layout::kPanelTop, 249, 26}, {487, layout::kPanelTop + 5}, "STATISTICS:"};
inline constexpr SectionRow kAdvancedSection{
    "AdvancedSettings", {0, 496, 553, 25}, {7, 501}, "ADVANCED SETTINGS:"};

// The outline of an option group; pointing inside some of them hides the hover pictures.
struct FrameRow {
    const char* name;  // Frame_<name>
    QRect rect;
    bool hides_hovers;
};

inline constexpr FrameRow kResetOnZeroFrame{"ResetOnZero", {8, 536, 262, 49}, true};
inline constexpr FrameRow kBetAutomaticResetFrame{"BetAutomaticReset", {280, 536, 257, 49}, true};
inline constexpr FrameRow kManualResetFrame{"ManualReset", {8, 600, 262, 49}, false};
inline constexpr FrameRow kTrendBettingFrame{"TrendBetting", {280, 600, 257, 49}, false};

// ---- Captions -----------------------------------------------------------------------------

// A caption on its own background, as wide as its text. The caption of an option that can be
// out of force is grey while it is.
struct CaptionRow {
    const char* name;
    QPoint at;
    const char* text;
    const Option* option = nullptr;
};

inline constexpr auto kValueCaptions = std::to_array<CaptionRow>({
    {"Text_Bet", {28, 395}, "BET:"},
    {"Text_CL12", {115, 395}, "1/2 CL"},
    {"Text_CL23", {202, 395}, "2/3 CL"},
    {"Text_BettingSystem12", {26, 443}, "1/2 Betting system:"},
    {"Text_BettingSystem23", {159, 443}, "2/3 Betting system:"},
});
inline constexpr std::array<CaptionRow, 2> kStepsCaptions = {{
    {"Text_12_Steps", {15, 556}, "1/2 Steps:", &option::kROZSteps12},
    {"Text_23_Steps", {143, 556}, "2/3 Steps:", &option::kROZSteps23},
}};
inline constexpr CaptionRow kManualResetCaption{"Text_ManualReset", {20, 595}, "Manual RESET:"};

// ---- Checks and radios --------------------------------------------------------------------

// An on/off option: the ticked and unticked boxes, 17 x 17, and the caption beside them.
struct CheckRow {
    const char* stem;  // ChBx_<stem>_Checked, _UnChecked, _Text
    QPoint at;
    const char* text;
    const Option* option;  // a switch, or the categories
};
inline constexpr QPoint kCheckCaption{21, 2};  // from a check's box to its caption

// The category switches, in the order of CategoryId.
inline constexpr std::array<CheckRow, kCategoryCount> kCategoryChecks = {{
    {"RedBlack", {7, 337}, "Red / Black", &option::kCategories},
    {"EvenOdd", {95, 337}, "Even / Odd", &option::kCategories},
    {"LessMore", {183, 337}, "1-18 / 19-36", &option::kCategories},
    {"Dozens", {7, 361}, "Dozens", &option::kCategories},
    {"Columns", {87, 361}, "Columns", &option::kCategories},
}};
// The switches beside the categories.
inline constexpr auto kSwitchChecks = std::to_array<CheckRow>({
    {"HitsMisses", {167, 361}, "Show chains ID", &option::kShowChainsId},
});
inline constexpr CheckRow kResetOnZeroCheck{
    "ResetOnZero", {15, 529}, "Reset On ZERO:", &option::kResetOnZero};
inline constexpr CheckRow kBetAutomaticResetCheck{
    "BetAutomaticReset", {287, 529}, "BET AUTOMATIC RESET:", &option::kBetAutomaticReset};
inline constexpr CheckRow kTrendBettingCheck{
    "TrendBetting", {287, 593}, "TREND BETTING:", &option::kTrendBetting};

// A mode of an advanced option: unticked, ticked and dim dots, 17 x 17, and the caption.
struct RadioRow {
    const char* stem;  // RaBtn_<stem>_UnChecked, _Checked, _Disabled, _Text
    QPoint at;
    QPoint caption_at;
    const char* text;
};

// The two modes of an option that is part of an advanced one: `on` selects it, `off` clears it.
struct RadioPairRow {
    const Option* option;
    RadioRow on;
    RadioRow off;
};

inline constexpr RadioPairRow kBetAutomaticResetModes{
    &option::kBAROnProfit,
    {"OnProfit", {287, 554}, {309, 556}, "On Profit"},
    {"SetUnits", {371, 554}, {393, 556}, "Set Units:"}};
inline constexpr RadioPairRow kTrendDirections{
    &option::kBetOnUptrend,
    {"BetOnUptrend", {287, 618}, {309, 619}, "Bet on uptrend"},
    {"BetOnDowntrend", {401, 618}, {422, 619}, "Bet on downtrend"}};

// ---- Values and their arrows --------------------------------------------------------------

// A list option's value in its box, named as the option's row names it.
struct ValueRow {
    const char* box;  // the box's name
    QRect box_rect;
    const Option* option;
    const char* spoken;  // what a screen reader calls it
    QRect rect;
    bool hides_hovers;  // pointing at the value hides the hover pictures; else it is see-through
    // Its colour while its option counts, black while not; nullptr for a value that always
    // counts, which stays olive.
    const QColor* lit = nullptr;
};

inline constexpr auto kUpperValues = std::to_array<ValueRow>({
    {"Box_StartingBet",
     {27, 409, 45, 20},
     &option::kStartingBet,
     "Starting bet",
     {30, 412, 40, 14},
     true},
    {"Box_CL12", {115, 409, 41, 20}, &option::kCL12, "1/2 chain length", {117, 412, 37, 14}, true},
    {"Box_CL23", {201, 409, 48, 20}, &option::kCL23, "2/3 chain length", {205, 412, 40, 14}, true},
    {"Box_BettingSystem12",
     {23, 456, 94, 20},
     &option::kBS12,
     "1/2 betting system",
     {31, 459, 82, 14},
     false},
    {"Box_BettingSystem23",
     {157, 456, 93, 20},
     &option::kBS23,
     "2/3 betting system",
     {156, 459, 93, 14},
     false},
});
inline constexpr std::array<ValueRow, 2> kStepsValues = {{
    {"Box_ROZ_Steps12",
     {88, 555, 25, 18},
     &option::kROZSteps12,
     "Reset on zero, 1/2 steps",
     {90, 557, 21, 14},
     false,
     &skin::colour::kOlive},
    {"Box_ROZ_Steps23",
     {216, 555, 25, 18},
     &option::kROZSteps23,
     "Reset on zero, 2/3 steps",
     {218, 557, 21, 14},
     false,
     &skin::colour::kOlive},
}};
// The Set Units amount shows "0,1" until first changed or loaded.
inline constexpr ValueRow kSetUnitsValue{.box = "Box_BAR_SetUnits",
                                         .box_rect = {464, 554, 41, 18},
                                         .option = &option::kBARSetUnits,
                                         .spoken = "Set Units",
                                         .rect = {466, 556, 37, 14},
                                         .hides_hovers = false,
                                         .lit = &skin::colour::kSilver};

// Press-and-hold of the starting bet and Set Units arrows: 500 ms after the press a step every
// 30 ms, and every 1000 ms each step grows by 2. Each held stepper has these five timers.
enum RepeatTimer : int {
    kIncrease,        // 500 ms after the press of the right arrow
    kDecrease,        // 500 ms after the press of the left one
    kIncreaseActive,  // every 30 ms: a step up
    kDecreaseActive,  // every 30 ms: a step down
    kSpeedUp,         // every 1000 ms: the step grows by 2
    kRepeatTimers
};
inline constexpr std::array<int, kRepeatTimers> kRepeatIntervals = {500, 500, 30, 30, 1000};

struct RepeatRow {
    const Option* option;      // its repeat steps while the arrow is held: they write nothing
    bool speed_up_from_press;  // else the speed-up starts with the repetition
};

inline constexpr int kNoRepeat = -1;
inline constexpr int kStartingBetRepeat = 0;
inline constexpr int kSetUnitsRepeat = 1;
inline constexpr std::array<RepeatRow, 2> kRepeats = {{
    {&option::kStartingBet, true},
    {&option::kBARSetUnits, false},
}};

// The scheduler's timers: the five of each held stepper, stepper after stepper.
inline std::vector<int> repeat_intervals() {
    std::vector<int> intervals;
    for (std::size_t r = 0; r < kRepeats.size(); ++r) {
        intervals.insert(intervals.end(), kRepeatIntervals.begin(), kRepeatIntervals.end());
    }
    return intervals;
}

// The two arrows of a list option's value, 20 x 20: a click steps it by one, and the release
// of a press runs the option's release operation, if it has one.
struct StepperRow {
    const char* stem;    // Button_Arrow_<stem>_Left and _Right, each with _Active (and _Disabled)
    const char* spoken;  // what a screen reader calls the value it steps
    QPoint left;
    QPoint right;
    const Option* option;
    bool keeps_other_hovers = false;  // pointing at an arrow leaves other hovers shown
    int repeat = kNoRepeat;           // held, the arrow repeats: its row in kRepeats
    const char* left_name = nullptr;  // the left arrow's name, where it is not the stem's
};

inline constexpr auto kUpperSteppers = std::to_array<StepperRow>({
    {"StartingBet",
     "Starting bet",
     {6, 409},
     {71, 409},
     &option::kStartingBet,
     false,
     kStartingBetRepeat},
    {"CL12",
     "1/2 chain length",
     {94, 409},
     {156, 409},
     &option::kCL12,
     true,
     kNoRepeat,
     "Button_Arrow_CL12_left"},
    {"CL23", "2/3 chain length", {179, 409}, {250, 409}, &option::kCL23, true},
    {"BS12", "1/2 betting system", {6, 456}, {117, 456}, &option::kBS12},
    {"BS23", "2/3 betting system", {137, 456}, {250, 456}, &option::kBS23},
});
inline constexpr std::array<StepperRow, 2> kStepsSteppers = {{
    {"ROZ_Steps12", "Reset on zero, 1/2 steps", {67, 554}, {113, 554}, &option::kROZSteps12},
    {"ROZ_Steps23", "Reset on zero, 2/3 steps", {195, 554}, {241, 554}, &option::kROZSteps23},
}};
inline constexpr StepperRow kSetUnitsStepper{.stem = "BAR_SetUnits",
                                             .spoken = "Set Units",
                                             .left = {443, 553},
                                             .right = {505, 553},
                                             .option = &option::kBARSetUnits,
                                             .repeat = kSetUnitsRepeat};

// ---- Buttons ------------------------------------------------------------------------------

inline constexpr QRect kLoadSettingsButton{190, 306, 21, 21};  // Button_Settings_L
inline constexpr QRect kSaveSettingsButton{213, 306, 21, 21};  // Button_Settings_S

// A manual reset: Button_<text> with the caption <text>, and what it does for screen readers.
struct ResetButtonRow {
    const char* text;
    QRect rect;
    const char* description;
};

inline constexpr ResetButtonRow kBetsButton{
    "BETS", {16, 615, 79, 27}, "Restarts every progression"};
inline constexpr ResetButtonRow kSpinsButton{"SPINS", {99, 615, 79, 27}, "Starts a new game"};
inline constexpr ResetButtonRow kSettingsButton{
    "SETTINGS", {182, 615, 79, 27}, "Goes back to the default options"};

}  // namespace corvane::options
