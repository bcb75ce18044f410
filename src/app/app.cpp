// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/app.h"

#include "app/print_jobs.h"
#include "app/window_wiring.h"
#include "platform/accessibility.h"
#include "platform/display.h"
#include "platform/input.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>

namespace sd {

App::App() : App(std::make_unique<SystemClock>(), nullptr, [] { QCoreApplication::quit(); }) {}

App::App(std::unique_ptr<Clock> clock, std::unique_ptr<RandomSource> random,
         QuitHook onNoWindowLeft)
    : clock_(std::move(clock)),
      random_(random ? std::move(random) : std::make_unique<SeededRandom>(*clock_)),
      onNoWindowLeft_(std::move(onNoWindowLeft)),
      input_(new PlatformInput(this)) {
    useDetectableAutoRepeat();
    installScreenReaderInterfaces();
    // The registry, not the toolkit, decides when the program ends: a hidden window still counts.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    registry_.setOnUnload([this](WindowId id, QObject* window) {
        std::erase(activationOrder_, id);
        lastFocus_.erase(qobject_cast<QWidget*>(window));
        window->removeEventFilter(this);
        if (auto* widget = qobject_cast<QWidget*>(window)) widget->hide();
    });
    registry_.setOnEmpty([this] {
        if (onNoWindowLeft_) onNoWindowLeft_();
    });
    connect(&printers_, &Printers::listWanted, this, [this] {
        printJobs().listPrinters([this](std::optional<std::vector<InstalledPrinter>> listed) {
            printers_.answer(std::move(listed));
        });
    });
    registerWindows(*this);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { noteFocus(now); });
}

App::~App() {
    // Windows unloaded but not yet deleted go now, while the state they use is still here; the
    // registry deletes those still loaded when it goes, before the state.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

PrintJobs& App::printJobs() {
    if (printJobs_ == nullptr)
        printJobs_ = new PrintJobs(
            printers_, [this] { return frontWindow(); }, this);
    return *printJobs_;
}

void App::registerWindow(WindowId id, WindowFactory factory, WindowShow show) {
    shows_[static_cast<size_t>(id)] = show;
    if (!factory) {
        registry_.setFactory(id, nullptr);  // the window cannot be loaded
        return;
    }
    registry_.setFactory(
        id, [factory = std::move(factory)]() -> std::unique_ptr<QObject> { return factory(); });
}

QWidget* App::loadWindow(WindowId id) {
    const bool wasLoaded = registry_.isLoaded(id);
    auto* window = qobject_cast<QWidget*>(registry_.load(id));
    if (window != nullptr && !wasLoaded) window->installEventFilter(this);
    return window;
}

QWidget* App::showWindow(WindowId id) {
    QWidget* window = loadWindow(id);
    if (window == nullptr) return nullptr;
    if (!window->isVisible()) {
        if (shows_[static_cast<size_t>(id)] == WindowShow::Maximised) {
            // Without a window manager (Xvfb) nobody maximises the window: it takes the screen's
            // free area itself, which a window manager then maximises as usual. Not on Wayland:
            // there the compositor alone sizes a maximised window, and ends a program whose
            // window keeps another size (weston, whose panel the toolkit does not see).
            const QScreen* screen = window->screen();
            if (!runsOnWayland() && screen != nullptr)
                window->setGeometry(screen->availableGeometry());
            window->showMaximized();
        } else {
            keepOver(*window, frontWindow());
            window->show();
        }
    }
    if (window->isMinimized()) window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    bringToFront(*window);
    // Noted here too: a platform without a window manager may never report the activation.
    noteActivation(id);
    return window;
}

void App::showModal(WindowId id) {
    auto* dialog = qobject_cast<QDialog*>(loadWindow(id));
    if (dialog == nullptr) return;
    keepOver(*dialog, frontWindow());
    noteActivation(id);
    // Modal for the whole program, yet nothing waits for it here: the action that opened it (a
    // screen reader's press, too) returns at once. Its hiding hands the keyboard back.
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
    // Once it is on screen, every time: without a window manager a window shown again stays
    // where it was in the stack, under the window that opened it.
    QTimer::singleShot(0, dialog, [this, dialog] { bringToFront(*dialog); });
}

void App::modalHidden() {
    bringLastActiveToFront();
    if (QWidget* window = lastActiveOnScreen()) giveFocusBack(*window);
}

void App::noteFocus(QWidget* now) {
    if (now == nullptr || qobject_cast<QMenuBar*>(now) != nullptr) return;
    if (idOf(now->window())) lastFocus_[now->window()] = now;
}

// Opened from the menu bar by the keyboard, a modal window leaves the focus on the menu bar, or
// nowhere: the control that had it before gets it back, and its highlight with it.
void App::giveFocusBack(QWidget& window) {
    const QWidget* focused = window.focusWidget();
    if (focused != nullptr && qobject_cast<const QMenuBar*>(focused) == nullptr) return;
    if (const auto last = lastFocus_.find(&window); last != lastFocus_.end() && last->second)
        last->second->setFocus(Qt::OtherFocusReason);
}

// A window whose menu bar opened another one by the keyboard loses the keyboard with the menu bar
// still holding it: its control gets it back now, quietly, as the window no longer has it.
void App::focusOffMenuBar(QWidget& window) {
    if (qobject_cast<const QMenuBar*>(window.focusWidget()) != nullptr) giveFocusBack(window);
}

// The window it is shown over keeps a small window above itself (its transient parent), on every
// window manager and compositor.
void App::keepOver(QWidget& window, QWidget* owner) {
    if (owner == nullptr || owner == &window) return;
    window.winId();
    owner->winId();
    window.windowHandle()->setTransientParent(owner->windowHandle());
}

void App::bringToFront(QWidget& window) {
    input_->bringToFront(window);
}

QWidget* App::frontWindow() const {
    for (QWidget* window = QApplication::activeWindow(); window != nullptr;
         window = window->parentWidget() != nullptr ? window->parentWidget()->window() : nullptr)
        if (idOf(window)) return window;
    return lastActiveOnScreen();
}

QWidget* App::lastActiveOnScreen(std::optional<WindowId> except) const {
    for (auto id = activationOrder_.rbegin(); id != activationOrder_.rend(); ++id)
        if (auto* window = qobject_cast<QWidget*>(registry_.instance(*id));
            *id != except && window != nullptr && window->isVisible())
            return window;
    return nullptr;
}

void App::noteActivation(WindowId id) {
    std::erase(activationOrder_, id);
    activationOrder_.push_back(id);
}

void App::unloadWindow(WindowId id) {
    if (!registry_.isLoaded(id)) return;
    // The window that comes back asks for the keyboard while the closing one still has it: once
    // it has gone elsewhere, a window manager that prevents focus stealing (xfwm4) refuses it.
    QWidget* next = lastActiveOnScreen(id);
    if (next != nullptr) bringToFront(*next);
    unloadOne(id);
    // A window kept loaded but hidden (the printer window) cannot be reached once no other is on
    // screen: the program ends rather than run on unseen.
    if (!anyWindowOnScreen()) return unloadAll();
    if (lastActiveOnScreen() != next) bringLastActiveToFront();
}

bool App::anyWindowOnScreen() const {
    for (int i = 0; i < kWindowCount; ++i) {
        const auto* window =
            qobject_cast<const QWidget*>(registry_.instance(static_cast<WindowId>(i)));
        if (window != nullptr && window->isVisible()) return true;
    }
    return false;
}

void App::unloadAll() {
    // The start window goes first, taking the exercise window before it, as its close box does.
    unloadOne(WindowId::Inizio);
    for (int i = 0; i < kWindowCount; ++i) unloadOne(static_cast<WindowId>(i));
}

void App::unloadOne(WindowId id) {
    const bool nested = unloading_;
    unloading_ = true;
    if (id == WindowId::Inizio) registry_.unload(WindowId::Operativo);
    registry_.unload(id);
    unloading_ = nested;
}

void App::start() {
    showWindow(WindowId::Inizio);
}

// The last active window still on screen: a window hidden but loaded (the printer window) is
// passed over.
void App::bringLastActiveToFront() {
    if (QWidget* window = lastActiveOnScreen()) bringToFront(*window);
}

// A window that a modal one keeps blocked may be brought up by the user (a taskbar, Alt+Tab),
// yet it takes no input: no activation of the pupil's.
bool App::blockedByModal(const QObject* window) {
    const QWidget* modal = QApplication::activeModalWidget();
    return modal != nullptr && modal != window;
}

std::optional<WindowId> App::idOf(const QObject* window) const {
    for (int i = 0; i < kWindowCount; ++i) {
        const auto id = static_cast<WindowId>(i);
        if (registry_.instance(id) == window) return id;
    }
    return std::nullopt;
}

bool App::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && !unloading_ &&
        qobject_cast<QDialog*>(watched) != nullptr && idOf(watched)) {
        QTimer::singleShot(0, this, &App::modalHidden);
    } else if (event->type() == QEvent::Close) {
        if (const std::optional<WindowId> id = idOf(watched)) unloadWindow(*id);
    } else if (event->type() == QEvent::WindowActivate && !unloading_ && !blockedByModal(watched)) {
        if (const std::optional<WindowId> id = idOf(watched)) noteActivation(*id);
    } else if (event->type() == QEvent::WindowDeactivate && idOf(watched)) {
        focusOffMenuBar(static_cast<QWidget&>(*watched));
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace sd
