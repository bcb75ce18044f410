// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/window_wiring.h"

#include "app/app.h"
#include "app/print_jobs.h"
#include "ui/windows/frm_attestato.h"
#include "ui/windows/frm_autore.h"
#include "ui/windows/frm_inizio.h"
#include "ui/windows/frm_nome.h"
#include "ui/windows/frm_operativo.h"
#include "ui/windows/frm_scelta_stampante.h"
#include "ui/windows/frm_stampa_esercizio.h"

#include <memory>

namespace sd {
namespace {

// Connections run at once, in the order the window emits: a window may go on with its own work
// after what it asked for is done.
template <class Window, class Signal, class Action>
void on(Window* window, Signal signal, App& app, Action action) {
    QObject::connect(window, signal, &app, action);
}

std::unique_ptr<QWidget> startWindow(App& app) {
    auto window = std::make_unique<FrmInizio>(app.state());
    on(window.get(), &FrmInizio::aboutRequested, app, [&app] { app.showWindow(WindowId::Autore); });
    on(window.get(), &FrmInizio::exerciseRequested, app,
       [&app] { app.showWindow(WindowId::Operativo); });
    on(window.get(), &FrmInizio::endRequested, app, [&app] { app.unloadAll(); });
    return window;
}

std::unique_ptr<QWidget> aboutWindow(App& app) {
    auto window = std::make_unique<FrmAutore>();
    on(window.get(), &FrmAutore::closeRequested, app,
       [&app] { app.unloadWindow(WindowId::Autore); });
    return window;
}

std::unique_ptr<QWidget> exerciseWindow(App& app) {
    auto window = std::make_unique<FrmOperativo>(app.state(), app.clock(), app.random());
    on(window.get(), &FrmOperativo::closeRequested, app,
       [&app] { app.unloadWindow(WindowId::Operativo); });
    on(window.get(), &FrmOperativo::printWindowRequested, app,
       [&app] { app.showWindow(WindowId::StampaEsercizio); });
    return window;
}

void print(App& app, const QString& title, const PageDrawing& draw) {
    app.printJobs().print(title, draw);
}

std::unique_ptr<QWidget> printWindow(App& app) {
    auto window = std::make_unique<FrmStampaEsercizio>(app.state());
    on(window.get(), &FrmStampaEsercizio::closeRequested, app,
       [&app] { app.unloadWindow(WindowId::StampaEsercizio); });
    on(window.get(), &FrmStampaEsercizio::nameRequested, app,
       [&app] { app.showWindow(WindowId::Nome); });
    on(window.get(), &FrmStampaEsercizio::certificateRequested, app,
       [&app] { app.showWindow(WindowId::Attestato); });
    on(window.get(), &FrmStampaEsercizio::printerChoiceRequested, app,
       [&app] { app.showModal(WindowId::SceltaStampante); });
    on(window.get(), &FrmStampaEsercizio::printRequested, app,
       [&app](const QString& title, const PageDrawing& draw) { print(app, title, draw); });
    return window;
}

std::unique_ptr<QWidget> printerWindow(App& app) {
    return std::make_unique<FrmSceltaStampante>(app.printers());
}

std::unique_ptr<QWidget> nameWindow(App& app) {
    auto window = std::make_unique<FrmNome>(app.state());
    on(window.get(), &FrmNome::closeRequested, app, [&app] { app.unloadWindow(WindowId::Nome); });
    return window;
}

std::unique_ptr<QWidget> certificateWindow(App& app) {
    auto window = std::make_unique<FrmAttestato>(app.state());
    on(window.get(), &FrmAttestato::printRequested, app,
       [&app](const QString& title, const PageDrawing& draw) { print(app, title, draw); });
    on(window.get(), &FrmAttestato::backRequested, app, [&app] {
        app.unloadWindow(WindowId::Attestato);
        if (app.registry().isLoaded(WindowId::StampaEsercizio))
            app.showWindow(WindowId::StampaEsercizio);
    });
    on(window.get(), &FrmAttestato::endRequested, app, [&app] { app.unloadAll(); });
    return window;
}

}  // namespace

void registerWindows(App& app) {
    app.registerWindow(
        WindowId::Inizio, [&app] { return startWindow(app); }, WindowShow::Maximised);
    app.registerWindow(
        WindowId::Autore, [&app] { return aboutWindow(app); }, WindowShow::Normal);
    app.registerWindow(
        WindowId::Operativo, [&app] { return exerciseWindow(app); }, WindowShow::Maximised);
    app.registerWindow(
        WindowId::StampaEsercizio, [&app] { return printWindow(app); }, WindowShow::Maximised);
    app.registerWindow(
        WindowId::Attestato, [&app] { return certificateWindow(app); }, WindowShow::Maximised);
    app.registerWindow(
        WindowId::Nome, [&app] { return nameWindow(app); }, WindowShow::Maximised);
    app.registerWindow(
        WindowId::SceltaStampante, [&app] { return printerWindow(app); }, WindowShow::Normal);
}

}  // namespace sd
