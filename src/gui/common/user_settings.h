#pragma once

#include "common/app_title.h"

#include <QSettings>

namespace zem::gui {

// The user's settings (the recent files, verify after write, the fleet
// dialog's choices), kept under the settings key and the application title
// whether or not the application object was told its names.
inline QSettings UserSettings() { return QSettings(SettingsOrganisation(), ApplicationTitle()); }

}  // namespace zem::gui
