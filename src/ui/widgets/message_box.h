// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <memory>

class QMessageBox;
class QWidget;

namespace sd {

inline const QString kProgramTitle = QStringLiteral("Il sistema decimale");

// The program's only kind of message: plain text, a single OK button, titled with the program's
// name.
std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, const QString& text);

// Shows the message and waits until it is acknowledged.
void showMessage(QWidget* parent, const QString& text);

// Shows the message over `parent`, modal like any message, and returns at once rather than
// waiting in an event loop of its own: for news that comes from a timer while the pupil is busy.
// `parent` has the keyboard again once it is acknowledged; the box goes then.
QMessageBox* openMessage(QWidget* parent, const QString& text);

}  // namespace sd
