// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/fonts.h"
#include "platform/style.h"

#include <QApplication>

#include <gtest/gtest.h>

// Window tests run on the offscreen platform (of a screen of their own, when given one), with the
// style and fonts the program itself uses.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setStyle(sd::programStyle());
    sd::installFontSubstitutes();
    return RUN_ALL_TESTS();
}
