#pragma once

#include <QString>

namespace zem::gui {

// The application title: the caption of every message box and the name the
// user's settings are kept under.
inline QString ApplicationTitle() { return QStringLiteral("Zem Programming Software"); }

// The settings key the recent-file list lives under.
inline QString SettingsOrganisation() { return QStringLiteral("Local AppWizard-Generated Applications"); }

}  // namespace zem::gui
