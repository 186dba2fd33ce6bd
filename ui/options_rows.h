// The options panel's rows: every element's name, place and setting operation, grouped by
// kind. The panel builds its elements from these in the order they are listed here, group by
// group, and what is made later lies above.
#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "engine/engine.h"
#include "settings/value_lists.h"
#include "ui/layout.h"

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

// A caption on its own background, as wide as its text.
struct CaptionRow {
    const char* name;
    QPoint at;
    const char* text;
};

inline constexpr std::array<CaptionRow, 5> kValueCaptions = {{
    {"Text_Bet", {28, 395}, "BET:"},
    {"Text_CL12", {115, 395}, "1/2 CL"},
    {"Text_CL23", {202, 395}, "2/3 CL"},
    {"Text_BettingSystem12", {26, 443}, "1/2 Betting system:"},
    {"Text_BettingSystem23", {159, 443}, "2/3 Betting system:"},
}};
inline constexpr std::array<CaptionRow, 2> kStepsCaptions = {{
    {"Text_12_Steps", {15, 556}, "1/2 Steps:"},
    {"Text_23_Steps", {143, 556}, "2/3 Steps:"},
}};
inline constexpr CaptionRow kManualResetCaption{"Text_ManualReset", {20, 595}, "Manual RESET:"};

// ---- Checks and radios --------------------------------------------------------------------

// An on/off option: the ticked and unticked boxes, 17 x 17, and the caption beside them.
struct CheckRow {
    const char* stem;  // ChBx_<stem>_Checked, _UnChecked, _Text
    QPoint at;
    const char* text;
    SettingOp on;
    SettingOp off;
};
inline constexpr QPoint kCheckCaption{21, 2};  // from a check's box to its caption

// The category switches, in the order of CategoryId.
inline constexpr std::array<CheckRow, kCategoryCount> kCategoryChecks = {{
    {"RedBlack", {7, 337}, "Red / Black", SettingOp::Category_On, SettingOp::Category_Off},
    {"EvenOdd", {95, 337}, "Even / Odd", SettingOp::Category_On, SettingOp::Category_Off},
    {"LessMore", {183, 337}, "1-18 / 19-36", SettingOp::Category_On, SettingOp::Category_Off},
    {"Dozens", {7, 361}, "Dozens", SettingOp::Category_On, SettingOp::Category_Off},
    {"Columns", {87, 361}, "Columns", SettingOp::Category_On, SettingOp::Category_Off},
}};
inline constexpr CheckRow kShowChainsCheck{"HitsMisses",
                                           {167, 361},
                                           "Show chains ID",
                                           SettingOp::ShowChainsId_On,
                                           SettingOp::ShowChainsId_Off};
inline constexpr CheckRow kResetOnZeroCheck{"ResetOnZero",
                                            {15, 529},
                                            "Reset On ZERO:",
                                            SettingOp::ResetOnZero_On,
                                            SettingOp::ResetOnZero_Off};
inline constexpr CheckRow kBetAutomaticResetCheck{"BetAutomaticReset",
                                                  {287, 529},
                                                  "BET AUTOMATIC RESET:",
                                                  SettingOp::BetAutomaticReset_On,
                                                  SettingOp::BetAutomaticReset_Off};
inline constexpr CheckRow kTrendBettingCheck{"TrendBetting",
                                             {287, 593},
                                             "TREND BETTING:",
                                             SettingOp::TrendBetting_On,
                                             SettingOp::TrendBetting_Off};

// A mode of an advanced option: unticked, ticked and dim dots, 17 x 17, and the caption.
struct RadioRow {
    const char* stem;  // RaBtn_<stem>_UnChecked, _Checked, _Disabled, _Text
    QPoint at;
    QPoint caption_at;
    const char* text;
    SettingOp select;
};

inline constexpr RadioRow kOnProfitRadio{
    "OnProfit", {287, 554}, {309, 556}, "On Profit", SettingOp::BAR_OnProfit_Select};
inline constexpr RadioRow kSetUnitsRadio{
    "SetUnits", {371, 554}, {393, 556}, "Set Units:", SettingOp::BAR_SetUnits_Select};
inline constexpr RadioRow kUptrendRadio{
    "BetOnUptrend", {287, 618}, {309, 619}, "Bet on uptrend", SettingOp::BetOnUptrend_Select};
inline constexpr RadioRow kDowntrendRadio{
    "BetOnDowntrend", {401, 618}, {422, 619}, "Bet on downtrend", SettingOp::BetOnDowntrend_Select};

// ---- Values and their arrows --------------------------------------------------------------

inline QString list_entry(ValueList list, int index) {
    return QString::fromStdString(list_text(list, index));
}

// What a value shows.
using ValueText = QString (*)(const Engine& engine);

// A value in its box.
struct ValueRow {
    const char* box;  // the box's name
    QRect box_rect;
    const char* name;    // the value's name
    const char* spoken;  // what a screen reader calls it
    QRect rect;
    bool hides_hovers;  // pointing at the value hides the hover pictures; else it is see-through
    ValueText text;
};

inline constexpr std::array<ValueRow, 5> kUpperValues = {{
    {"Box_StartingBet",
     {27, 409, 45, 20},
     "StartingBet",
     "Starting bet",
     {30, 412, 40, 14},
     true,
     [](const Engine& e) {
         return list_entry(ValueList::StartingBet, e.settings().starting_bet_index);
     }},
    {"Box_CL12",
     {115, 409, 41, 20},
     "Chains_Length12_Text",
     "1/2 chain length",
     {117, 412, 37, 14},
     true,
     [](const Engine& e) { return list_entry(ValueList::CL12, e.settings().cl12_index); }},
    {"Box_CL23",
     {201, 409, 48, 20},
     "Chains_Length23_Text",
     "2/3 chain length",
     {205, 412, 40, 14},
     true,
     [](const Engine& e) { return list_entry(ValueList::CL23, e.settings().cl23_index); }},
    {"Box_BettingSystem12",
     {23, 456, 94, 20},
     "BettingSystem12_Text",
     "1/2 betting system",
     {31, 459, 82, 14},
     false,
     [](const Engine& e) {
         return list_entry(ValueList::BettingSystem12, e.settings().bs12_index);
     }},
    {"Box_BettingSystem23",
     {157, 456, 93, 20},
     "BettingSystem23_Text",
     "2/3 betting system",
     {156, 459, 93, 14},
     false,
     [](const Engine& e) {
         return list_entry(ValueList::BettingSystem23, e.settings().bs23_index);
     }},
}};
inline constexpr std::array<ValueRow, 2> kStepsValues = {{
    {"Box_ROZ_Steps12",
     {88, 555, 25, 18},
     "ROZ_Steps12_Text",
     "Reset on zero, 1/2 steps",
     {90, 557, 21, 14},
     false,
     [](const Engine& e) {
         return list_entry(ValueList::ROZSteps12, e.settings().roz_steps12_index);
     }},
    {"Box_ROZ_Steps23",
     {216, 555, 25, 18},
     "ROZ_Steps23_Text",
     "Reset on zero, 2/3 steps",
     {218, 557, 21, 14},
     false,
     [](const Engine& e) {
         return list_entry(ValueList::ROZSteps23, e.settings().roz_steps23_index);
     }},
}};
// The Set Units amount shows the engine's text: "0,1" until first changed or loaded.
inline constexpr ValueRow kSetUnitsValue{
    "Box_BAR_SetUnits",
    {464, 554, 41, 18},
    "BAR_SetUnits_Text",
    "Set Units",
    {466, 556, 37, 14},
    false,
    [](const Engine& e) { return QString::fromStdString(e.shown_set_units()); }};

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
    SettingOp repeat;          // a step while the arrow is held: writes nothing
    bool speed_up_from_press;  // else the speed-up starts with the repetition
};

inline constexpr int kNoRepeat = -1;
inline constexpr int kStartingBetRepeat = 0;
inline constexpr int kSetUnitsRepeat = 1;
inline constexpr std::array<RepeatRow, 2> kRepeats = {{
    {SettingOp::StartingBet_Repeat, true},
    {SettingOp::BAR_SetUnits_Repeat, false},
}};

// The scheduler's timers: the five of each held stepper, stepper after stepper.
inline std::vector<int> repeat_intervals() {
    std::vector<int> intervals;
    for (std::size_t r = 0; r < kRepeats.size(); ++r) {
        intervals.insert(intervals.end(), kRepeatIntervals.begin(), kRepeatIntervals.end());
    }
    return intervals;
}

// The two arrows of a value, 20 x 20: a click steps it by one.
struct StepperRow {
    const char* stem;    // Button_Arrow_<stem>_Left and _Right, each with _Active (and _Disabled)
    const char* spoken;  // what a screen reader calls the value it steps
    QPoint left;
    QPoint right;
    SettingOp step;
    bool keeps_other_hovers = false;        // pointing at an arrow leaves other hovers shown
    int repeat = kNoRepeat;                 // held, the arrow repeats: its row in kRepeats
    std::optional<SettingOp> release = {};  // written when a press of the arrow ends
    const char* left_name = nullptr;        // the left arrow's name, where it is not the stem's
};

// The chain lengths' step operations write their lines themselves, so their releases have
// nothing to add.
inline constexpr std::array<StepperRow, 5> kUpperSteppers = {{
    {"StartingBet",
     "Starting bet",
     {6, 409},
     {71, 409},
     SettingOp::StartingBet_Step,
     false,
     kStartingBetRepeat,
     SettingOp::StartingBet_Release},
    {"CL12",
     "1/2 chain length",
     {94, 409},
     {156, 409},
     SettingOp::CL12_Step,
     true,
     kNoRepeat,
     {},
     "Button_Arrow_CL12_left"},
    {"CL23", "2/3 chain length", {179, 409}, {250, 409}, SettingOp::CL23_Step, true},
    {"BS12", "1/2 betting system", {6, 456}, {117, 456}, SettingOp::BS12_Step},
    {"BS23",
     "2/3 betting system",
     {137, 456},
     {250, 456},
     SettingOp::BS23_Step,
     false,
     kNoRepeat,
     SettingOp::BS23_Release},
}};
inline constexpr std::array<StepperRow, 2> kStepsSteppers = {{
    {"ROZ_Steps12", "Reset on zero, 1/2 steps", {67, 554}, {113, 554}, SettingOp::ROZ_Steps12_Step},
    {"ROZ_Steps23",
     "Reset on zero, 2/3 steps",
     {195, 554},
     {241, 554},
     SettingOp::ROZ_Steps23_Step},
}};
inline constexpr StepperRow kSetUnitsStepper{"BAR_SetUnits",
                                             "Set Units",
                                             {443, 553},
                                             {505, 553},
                                             SettingOp::BAR_SetUnits_Step,
                                             false,
                                             kSetUnitsRepeat,
                                             SettingOp::BAR_SetUnits_Release};

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
