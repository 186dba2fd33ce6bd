// The settings text: the options line by line, in the form in which they are saved.
#pragma once

#include <string>
#include <vector>

namespace corvane {

using SettingsText = std::vector<std::string>;

inline constexpr int kSettingsLines = 23;

// Line numbers of the settings text.
namespace line {
inline constexpr int kCategoryFirst = 0;  // lines 0..4: RB, EO, LM, D, C on
inline constexpr int kShowChainsId = 5;
inline constexpr int kStartingBet = 7;
inline constexpr int kCL12 = 8;
inline constexpr int kCL23 = 9;
inline constexpr int kBS12 = 10;
inline constexpr int kBS23 = 11;
inline constexpr int kResetOnZero = 13;
inline constexpr int kROZSteps12 = 14;
inline constexpr int kROZSteps23 = 15;
inline constexpr int kBetAutomaticReset = 17;
inline constexpr int kBAROnProfit = 18;
inline constexpr int kBARSetUnits = 19;
inline constexpr int kTrendBetting = 21;
inline constexpr int kBetOnUptrend = 22;
}  // namespace line

// The 23 lines of the default options.
SettingsText default_settings_text();

}  // namespace corvane
