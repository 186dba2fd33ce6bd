#include "settings/settings_text.h"

namespace corvane {

SettingsText default_settings_text() {
    return {"1", "1", "1", "1", "1", "1", "",  "11", "7", "5", "0", "0",
            "",  "0", "0", "0", "",  "0", "1", "0",  "",  "0", "0"};
}

}  // namespace corvane
