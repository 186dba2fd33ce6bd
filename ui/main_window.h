// The program's window.
#pragma once

#include <QWidget>

#include "core/engine.h"

namespace corvane {

class MainWindow : public QWidget {
  public:
    explicit MainWindow(QWidget* parent = nullptr);

    static constexpr int kWidth = 549;
    static constexpr int kClosedHeight = 330;

    Engine& engine() { return engine_; }

  private:
    Engine engine_;
};

}  // namespace corvane
