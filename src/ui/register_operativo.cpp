// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/app.h"
#include "ui/frm_operativo.h"

namespace sd {

void registerOperativo(App& app) {
    app.registerWindow(
        WindowId::Operativo,
        [&app]() -> std::unique_ptr<QWidget> {
            auto window = std::make_unique<FrmOperativo>(app.state(), app.clock(), app.random());
            FrmOperativo* created = window.get();
            // "esco" and "Esci" unload the window; "Visualizza" brings up the print window.
            QObject::connect(created, &FrmOperativo::closeRequested, &app,
                             [&app] { app.unloadWindow(WindowId::Operativo); });
            QObject::connect(created, &FrmOperativo::printWindowRequested, &app,
                             [&app] { app.showWindow(WindowId::StampaEsercizio); });
            return window;
        },
        WindowShow::Maximised);
}

}  // namespace sd
