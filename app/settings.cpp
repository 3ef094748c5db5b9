#include "app/settings.h"

#include <QSettings>

namespace zw {

std::unique_ptr<QSettings> openSettings() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("zonewright"), QStringLiteral("zonewright"));
}

} // namespace zw
