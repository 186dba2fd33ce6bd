// write_chart in a build without Qt, which draws no pictures.
#include "tools/session_chart.h"

namespace corvane {

std::optional<std::string> write_chart(const SessionChart&, const std::string& path) {
    return "cannot draw " + path + ": this corvane-backtest was built without Qt";
}

}  // namespace corvane
