#include "base/text_table.h"

#include <algorithm>
#include <cstdio>

namespace corvane {

void append_table(std::string& out, const TableRows& rows) {
    std::vector<std::size_t> width;
    for (const auto& row : rows) {
        width.resize(std::max(width.size(), row.size()));
        for (std::size_t k = 0; k < row.size(); ++k) {
            width[k] = std::max(width[k], row[k].size());
        }
    }
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t k = 0; k < row.size(); ++k) {
            const std::string pad(width[k] - row[k].size(), ' ');
            line += k == 0 ? row[k] + pad : "  " + pad + row[k];
        }
        out += line + '\n';
    }
}

std::string percent_text(double ratio) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.2f %%", 100.0 * ratio);
    std::string text(buf);
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

}  // namespace corvane
