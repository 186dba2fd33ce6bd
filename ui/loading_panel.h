// The panel laid over the board while a number file loads: "LOADING:" and a bar that follows
// the engine through each pass over the file.
#pragma once

#include "base/number_file.h"
#include "ui/bar.h"
#include "ui/picture.h"

namespace corvane {

class Surface;

class LoadingPanel {
  public:
    // Makes LoadingPanel with its caption LoadingCaption and its bar ProgressBar1, hidden.
    explicit LoadingPanel(Surface& surface);

    // Shows the panel with an empty bar, and has the whole window painted before the file is
    // read: the dialog that chose the file leaves nothing behind on the board.
    void show();
    // What the engine reports as it loads: the bar moves and the panel is painted at once,
    // without running any other event, so nothing else reaches the engine in mid-load.
    LoadProgress progress();
    void hide();

  private:
    Picture* panel_;
    Bar* bar_;
};

}  // namespace corvane
