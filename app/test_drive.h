// A way for tests to drive the real program, which the player never sees: with
// CORVANE_TEST_DRIVE set in its environment, Corvane takes actions on its standard input, one a
// line, and answers on its standard output, where its questions and messages go as well instead
// of onto the screen. Lines in:
//   a script line (spin 17, undo, op Category_Off RB, load-numbers PATH, ...)
//                      applied as the window applies a click; "done LINE" once the game is
//                      idle again, a spin's animation run out
//   dump               what the window shows, one element a line, then the session log as
//                      CSV and the plan's figures and warnings; "end" after it
//   quit               as the close button
// Lines out, besides: "ready" once the start is over (the journal's question answered),
// "question TEXT", answered by a line "yes" or "no", and "message TEXT". A text's line ends
// are written \n, its backslashes \\.
#pragma once

namespace corvane {

class MainWindow;

bool test_drive_wanted();
// Puts the window's questions and messages on standard output; before the window starts.
void prepare_test_drive(MainWindow& window);
// Starts reading actions; once the start is over.
void start_test_drive(MainWindow& window);

}  // namespace corvane
