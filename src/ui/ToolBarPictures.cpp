#include "ToolBarPictures.h"

#include <array>

namespace mToolBarPictures {

namespace {

const std::array<const char*, kPictureCount> kNames = {
    "open", "saveas", "ride", "selectall", "unselectall", "about",
};

} // namespace

PicturePair LoadPictures(int index) {
    if (index < 0 || index >= kPictureCount)
        return {};
    const QString base = QStringLiteral(":/toolbar/%1").arg(QLatin1String(kNames[index]));
    return {QPixmap(base + QStringLiteral(".xpm")),
            QPixmap(base + QStringLiteral("_disabled.xpm"))};
}

} // namespace mToolBarPictures
