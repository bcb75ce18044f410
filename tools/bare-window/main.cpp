// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One empty top-level widget shown maximised: what any Qt Widgets program pays to put a window on
// the screen, against which the start-up time and memory of sistema-decimale are measured.
#include <QApplication>
#include <QScreen>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    // As the program does: with no window manager (Xvfb) nobody maximises, so the window takes
    // the screen's free area itself and both paint the same number of pixels.
    window.setGeometry(window.screen()->availableGeometry());
    window.showMaximized();
    return app.exec();
}
