// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace sd {

// Keeps a top-level window's title bar empty. With no title the toolkit writes the program's
// name there; on X11 both name properties are emptied once the native window exists and again
// whenever the title is set. Elsewhere the toolkit's own title stands.
void showEmptyTitle(QWidget& window);

}  // namespace sd
