#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <QTest>
#include <QTimer>

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

}  // namespace sd::test
