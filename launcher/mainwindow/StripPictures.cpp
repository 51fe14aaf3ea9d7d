// Loads the strip's pictures from the resources compiled into the program.
#include "mainwindow/StripPictures.h"

#include <QFile>

// The resources live in a static library; naming their initialiser keeps the linker from
// dropping them. (The initialiser's name must be declared outside any namespace.)
static void EnsurePictures() {
    static const bool loaded = [] {
        Q_INIT_RESOURCE(pictures);
        return true;
    }();
    (void)loaded;
}

namespace orbilo {

QString ButtonPicturePath(int index) {
    return QStringLiteral(":/pictures/BButton%1.png").arg(index);
}

QPixmap ButtonPicture(int index) {
    EnsurePictures();
    if (index < 0 || index >= kButtonPictureCount) return {};
    return QPixmap(ButtonPicturePath(index));
}

QPixmap HelpPicture(int index) {
    EnsurePictures();
    if (index < 0 || index >= kHelpPictureCount) return {};
    return QPixmap(QStringLiteral(":/pictures/ImageHelpPics%1.png").arg(index));
}

QString PictureButtonStyle(int up, int pressed, int disabled) {
    EnsurePictures();
    const auto face = [](int index) {
        return QStringLiteral("border-image: url(%1) 8 8 8 8 stretch;").arg(ButtonPicturePath(index));
    };
    return QStringLiteral(
               "QPushButton { %1 border-width: 2px; color: white; font-weight: bold; padding: 0 4px; }"
               "QPushButton:pressed { %2 }"
               "QPushButton:disabled { %3 color: rgb(238, 241, 244); }")
        .arg(face(up), face(pressed), face(disabled));
}

}  // namespace orbilo
