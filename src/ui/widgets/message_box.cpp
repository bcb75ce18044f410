// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/widgets/message_box.h"

#include <QMessageBox>
#include <QPointer>

namespace sd {

std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, const QString& text) {
    auto box = std::make_unique<QMessageBox>(parent);
    box->setWindowTitle(kProgramTitle);
    box->setTextFormat(Qt::PlainText);
    box->setText(text);
    box->setStandardButtons(QMessageBox::Ok);
    box->setDefaultButton(QMessageBox::Ok);
    return box;
}

namespace {

// Without a window manager (Xvfb) nothing else gives the keyboard back to the window the message
// came from.
void giveKeyboardBack(QWidget* parent) {
    if (parent != nullptr && parent->window()->isVisible()) parent->window()->activateWindow();
}

}  // namespace

void showMessage(QWidget* parent, const QString& text) {
    makeMessageBox(parent, text)->exec();
    giveKeyboardBack(parent);
}

QMessageBox* openMessage(QWidget* parent, const QString& text) {
    // Owned by its window, and gone once acknowledged.
    QMessageBox* box = makeMessageBox(parent, text).release();
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    QObject::connect(box, &QDialog::finished, box,
                     [parent = QPointer<QWidget>(parent)] { giveKeyboardBack(parent); });
    box->show();
    return box;
}

}  // namespace sd
