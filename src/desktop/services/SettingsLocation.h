#pragma once

#include <QString>

namespace vantrel::desktop {

// The folder that holds the settings file "vantrel.cfg": the start folder when it already holds
// one (as the folder ./run starts from does), otherwise "vantrel" in the person's configuration
// folder ($XDG_CONFIG_HOME, ~/.config when unset), made when missing. When that folder cannot be
// made, the start folder is used as before.
QString settingsFolder(const QString& startFolder);

} // namespace vantrel::desktop
