#pragma once

// Pictures: an Image control shows the resource ":/pictures/<picture>.png"; tree node images
// 1..7 (planet, moon, station, base, landing pad, dock port, ship) are ":/pictures/tree<N>.png".

#include <QString>

#include <string>

class QIcon;

namespace vantrel::desktop {

QIcon treeIcon(int image);
QString picturePath(const std::string& picture);

} // namespace vantrel::desktop
