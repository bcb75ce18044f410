// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "printing/printers.h"
#include "state/clock.h"
#include "state/drill_state.h"
#include "state/window_registry.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace sd {

// How a window comes up when it is shown for the first time.
enum class WindowShow { Normal, Maximised };

// The application object: owns the single Drill state, the clock, the random source (seeded once
// from the clock), the printers, the print flow and the window registry with one factory per
// window, and runs the program's life: each window exists at most once, the program ends when no
// window is left.
//
// Windows are top-level QWidgets that know nothing of this object: registerWindows()
// (window_wiring.h) builds each from what it reads and writes and connects what its signals ask
// for to the calls below.
class PlatformInput;
class PrintJobs;

class App final : public QObject {
    Q_OBJECT
  public:
    using WindowFactory = std::function<std::unique_ptr<QWidget>()>;
    using QuitHook = std::function<void()>;

    // The program's own: system clock, random numbers seeded from it, quits the event loop at the
    // end.
    App();
    // For tests: any clock and random source; `onNoWindowLeft` replaces quitting the event loop.
    App(std::unique_ptr<Clock> clock, std::unique_ptr<RandomSource> random,
        QuitHook onNoWindowLeft);
    ~App() override;

    App(const App&) = delete;
    App& operator=(const App&) = delete;

    DrillState& state() { return state_; }
    Clock& clock() { return *clock_; }
    RandomSource& random() { return *random_; }
    WindowRegistry& registry() { return registry_; }
    // The printers as far as the print service has told them: asked for the first time something
    // needs them, not at start.
    Printers& printers() { return printers_; }
    // The print flow, made the first time a print or the printers' list needs it.
    PrintJobs& printJobs();

    // Sets (or replaces) the factory of a window and how it first shows; an empty factory
    // leaves the window unloadable.
    void registerWindow(WindowId id, WindowFactory factory, WindowShow show);

    // Creates the window on its first load; a loaded window is returned as it is. nullptr when the
    // window has no factory.
    QWidget* loadWindow(WindowId id);
    // Loads the window if needed and shows it without blocking the others (maximised where the
    // window opens maximised); a window already on screen only comes to the front.
    QWidget* showWindow(WindowId id);
    // Loads the window if needed and shows it modally over the window in front, which is its
    // transient parent; returns at once. When it is hidden, the window it blocked comes back to
    // the front with the keyboard where it was.
    void showModal(WindowId id);
    // Destroys the window, never the Drill state. Unloading the start window first unloads the
    // exercise window. The window that was active just before it comes back to the front, with
    // the keyboard; with none left on screen, the hidden ones go too and the program ends.
    void unloadWindow(WindowId id);
    // Unloads every window, one after another, the start window (with the exercise window before
    // it) first: the program ends.
    void unloadAll();
    // The program's window in front: the active one (or the one a message box stands over), else
    // the last active still on screen; nullptr with none on screen.
    QWidget* frontWindow() const;
    // The loaded windows in the order they were last active, the most recent last.
    const std::vector<WindowId>& activationOrder() const { return activationOrder_; }

    template <class Window>
    Window* window(WindowId id) const {
        return qobject_cast<Window*>(registry_.instance(id));
    }

    // Loads and shows the start window: the program's first step.
    void start();

  protected:
    // A window closed by its close box unloads through the registry like any other.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void noteActivation(WindowId id);
    void unloadOne(WindowId id);
    void bringLastActiveToFront();
    void bringToFront(QWidget& window);
    static void keepOver(QWidget& window, QWidget* owner);
    QWidget* lastActiveOnScreen(std::optional<WindowId> except = std::nullopt) const;
    void noteFocus(QWidget* now);
    void giveFocusBack(QWidget& window);
    void focusOffMenuBar(QWidget& window);
    void modalHidden();
    static bool blockedByModal(const QObject* window);
    bool anyWindowOnScreen() const;
    std::optional<WindowId> idOf(const QObject* window) const;

    DrillState state_;
    std::unique_ptr<Clock> clock_;
    std::unique_ptr<RandomSource> random_;
    QuitHook onNoWindowLeft_;
    Printers printers_;
    PrintJobs* printJobs_ = nullptr;  // child of this object
    PlatformInput* input_ = nullptr;  // child of this object
    // Per window, the control that last had the keyboard, the menu bar apart.
    std::map<const QWidget*, QPointer<QWidget>> lastFocus_;
    std::array<WindowShow, kWindowCount> shows_{};
    std::vector<WindowId> activationOrder_;  // most recently active last
    bool unloading_ = false;  // activations the platform makes while windows go are not the pupil's
    // Declared last, so the windows go before the state they use.
    WindowRegistry registry_;
};

}  // namespace sd
