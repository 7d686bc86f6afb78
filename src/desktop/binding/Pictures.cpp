#include "binding/Pictures.h"

#include <QIcon>

#include <array>

namespace vantrel::desktop {

QIcon treeIcon(int image) {
    static std::array<QIcon, 8> icons;
    if (image < 1 || image > 7)
        return {};
    QIcon& icon = icons[static_cast<size_t>(image)];
    if (icon.isNull())
        icon = QIcon(QStringLiteral(":/pictures/tree%1.png").arg(image));
    return icon;
}

QString picturePath(const std::string& picture) {
    return QStringLiteral(":/pictures/%1.png").arg(QString::fromStdString(picture));
}

} // namespace vantrel::desktop
