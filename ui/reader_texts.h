// What a screen reader says of the window's elements: every name that comes from the game's
// state, and the fixed names of the window's buttons and bars. The options panel's names
// stand in its rows, beside their captions.
#pragma once

#include <QString>

#include "engine/game_state.h"

namespace corvane::reader {

// "17, red"; "0, green"; "2, black".
QString number(int n);
// "Black, bet 32, chain 1" while a bet shows (the chain only with its label), else "Black, no
// bet": the side's marks, its stake as the stake label shows it, and its chain.
QString bet_field(Side side, const SideMarks& marks, const QString& stake, int chain);
// "Black: a chain may form with the next number".
QString indicator(Side side);
// "History 1: 17, red" for the newest entry; "History 4: empty".
QString history_entry(int k, const HistoryEntry& entry);
// "Red hits", "1st dozen hits": the statistic bars.
QString stat_bar(StatBar bar);
// "Starting bet: 1".
QString value(const char* what, const QString& shown);
// "Starting bet, lower" and "Starting bet, higher".
QString arrow(const char* what, bool right);
// A caption as a name: "Reset On ZERO:" says "Reset On ZERO".
QString caption(const char* text);
QString caption(const QString& text);

inline constexpr char kHelp[] = "Help";
inline constexpr char kMinimise[] = "Minimise";
inline constexpr char kClose[] = "Close";
inline constexpr char kLoadNumbers[] = "Load numbers";
inline constexpr char kSaveNumbers[] = "Save numbers";
inline constexpr char kCancel[] = "Cancel";
inline constexpr char kCancelDescription[] = "Takes back the last number";
inline constexpr char kOptions[] = "Options";
inline constexpr char kSpinProgress[] = "Spin progress";
inline constexpr char kLoading[] = "Loading";
inline constexpr char kLoadSettings[] = "Load settings";
inline constexpr char kSaveSettings[] = "Save settings";

}  // namespace corvane::reader
