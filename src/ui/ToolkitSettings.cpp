#include "ToolkitSettings.h"

#include <QSettings>

namespace mToolkitSettings {

void KeepToolkitSettingsAway() {
    // Below a file no folder can be made, so Qt's settings file can be neither read nor written
    // there (it fails quietly), whoever runs the program.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QStringLiteral("/dev/null/no-settings"));
}

} // namespace mToolkitSettings
