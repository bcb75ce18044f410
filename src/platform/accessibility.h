// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace sd {

// Screen readers. A label whose text alone says nothing (a count, an answer, "?") is read as its
// caption with the text, "Domande poste: 3", or the caption alone while it is empty; the name
// follows every later setText by itself.
void captionForScreenReaders(QLabel& label, const QString& caption);
// Installs the program's own accessible interfaces (captioned labels, pictures, windows) before
// any window is built; the two calls above and below make sure of it too.
void installScreenReaderInterfaces();
// A surface the program draws on is read as a picture (role Graphic) with this name; its owner
// puts what the picture says in its accessible description.
void pictureForScreenReaders(QWidget& widget, const QString& name);

}  // namespace sd
