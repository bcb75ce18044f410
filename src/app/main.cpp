// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/app.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/style.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>

namespace {

// The program's own path, for the hint on how to run it: argv[0] may be a bare name from PATH.
QString programPath(const char* argv0) {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) return QString::fromStdString(self.string());
    return QString::fromLocal8Bit(argv0 != nullptr ? argv0 : "sistema-decimale");
}

}  // namespace

int main(int argc, char* argv[]) {
    const auto environment = [](const char* name) {
        return QString::fromLocal8Bit(std::getenv(name));
    };
    // Asked once: both questions below are about the same display.
    std::optional<bool> x11Answers;
    const auto x11Reachable = [&x11Answers](const QString& display) {
        if (!x11Answers) x11Answers = sd::canOpenX11Display(display);
        return *x11Answers;
    };
    const auto message =
        sd::missingDisplayMessage(environment, programPath(argc > 0 ? argv[0] : nullptr),
                                  x11Reachable, sd::canOpenWaylandDisplay);
    if (message) {
        std::fprintf(stderr, "%s\n", qPrintable(*message));
        return 1;
    }
    if (const auto platform = sd::preferredPlatform(environment, x11Reachable))
        qputenv("QT_QPA_PLATFORM", platform->toLocal8Bit());
    std::jthread fontConfiguration = sd::loadFontConfigurationAside();
    QApplication application(argc, argv);
    QApplication::setStyle(sd::programStyle());
    // No window exists yet; the toolkit's own start has mostly outlasted the font configuration.
    fontConfiguration.join();
    sd::installFontSubstitutes();
    sd::App app;
    app.start();
    return QApplication::exec();
}
