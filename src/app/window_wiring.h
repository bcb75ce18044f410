// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace sd {

class App;

// Registers the factory of every window: the one place that knows the window classes. Each window
// is built from what it reads and writes; what its signals ask for (another window, printing,
// closing, the end of the program) is carried out by `app`.
void registerWindows(App& app);

}  // namespace sd
