// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QStyle;

namespace sd {

// Fusion, which draws the menus in the program's own colours, without the icon of a menu bar's
// overflow button: the program's menu bars hold two items at most and never overflow, and loading
// that icon at start brings in every image plugin. The application owns the style.
QStyle* programStyle();

}  // namespace sd
