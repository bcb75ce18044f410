#include "ui/app.h"
#include "ui/platform.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    const auto environment = [](const char* name) {
        return QString::fromLocal8Bit(std::getenv(name));
    };
    const QString program = QString::fromLocal8Bit(argc > 0 ? argv[0] : "sistema-decimale");
    if (const auto message = sd::missingDisplayMessage(environment, program)) {
        std::fprintf(stderr, "%s\n", qPrintable(*message));
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));  // draws the menus in their own colours
    sd::installFontSubstitutes();
    sd::App app;
    app.start();
    return QApplication::exec();
}
