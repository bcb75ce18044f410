// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/app.h"
#include "app/print_jobs.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace sd::test {

// Runs `action`, which may put up a modal message box; acknowledges the box with Enter, as a
// pupil would, and returns its text (empty when none came up).
inline QString messageDuring(const std::function<void()>& action) {
    QString text;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            text = box->text();
            QTest::keyClick(box, Qt::Key_Return);
        }
    });
    look.start(10);
    action();
    return text;
}

// A message box that came up: its text and the window it stands over.
struct Message {
    QString text;
    QWidget* over = nullptr;
};

// Lets the program run, as it does while the pupil looks on, until a message box comes up or
// `enough` holds; acknowledges the box with Enter and returns it (empty text when none came).
inline Message nextMessage(const std::function<bool()>& enough, int timeoutMs = 20000) {
    const auto box = [] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); };
    EXPECT_TRUE(QTest::qWaitFor([&] { return box() != nullptr || enough(); }, timeoutMs));
    QMessageBox* shown = box();
    if (shown == nullptr) return {};
    const Message message{shown->text(), shown->parentWidget()};
    QTest::keyClick(shown, Qt::Key_Return);
    return message;
}

// The message the pupil gets until every print job is over and told (empty: none).
inline QString printMessage(App& app) {
    return nextMessage([&] { return app.printJobs().idle(); }).text;
}

}  // namespace sd::test
