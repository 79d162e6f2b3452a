#include "resources/app_icon.h"

#include "resources/picture_paths.h"

#include <QString>

namespace pictures {

QIcon applicationIcon() {
    QIcon icon(QString::fromLatin1(kIcon));
    icon.addFile(QString::fromLatin1(kIconPng), QSize(256, 256));
    return icon;
}

} // namespace pictures
