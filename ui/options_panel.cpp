#include "ui/options_panel.h"

#include "ui/main_window.h"

namespace corvane {

struct OptionsPanel::Impl {
    MainWindow* window;
};

OptionsPanel::OptionsPanel(MainWindow* window) : QObject(window), impl_(new Impl{window}) {}

OptionsPanel::~OptionsPanel() { delete impl_; }

void OptionsPanel::refresh() {}

}  // namespace corvane
