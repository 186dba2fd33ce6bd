#include "settings/settings_text.h"

namespace corvane {

SettingsText default_settings_text() {
    SettingsText text(kSettingsLines);
    for (const Option* o : kOptions) {
        for (int i = 0; i < lines_of(*o); ++i) {
            text[o->line + i] = o->kind == OptionKind::List ? std::to_string(o->default_index)
                                : o->on_by_default          ? "1"
                                                            : "0";
        }
    }
    return text;
}

}  // namespace corvane
