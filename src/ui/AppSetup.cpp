#include "ui/AppSetup.h"

#include <QApplication>

#include "ui/Art.h"
#include "ui/Style.h"
#include "ui/Version.h"

namespace vex::ui {

void SetUpApplication() {
    QApplication::setApplicationName(QStringLiteral("Vex's BlackJack"));
    QApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kAppId));
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setWindowIcon(AppIcon());
    QApplication::setFont(GameFont(8.25, false));
}

}  // namespace vex::ui
