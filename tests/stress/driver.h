// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "stress/checks.h"
#include "stress/events.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <array>
#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>

class QWidget;

namespace sd {
class App;
}

namespace sd::stress {

class StressClock;
class WatchedRandom;

struct Violation {
    uint64_t index = 0;
    QString rule;  // which invariant
    QString detail;
};

// Drives a real App with the events of one seed, from event `from` up to `to` (not included),
// and checks the invariants after every event. Each event is sent from a zero-time timer, so a
// window's nested event loop (a modal window, a message box) keeps being driven like the main
// one. A program that ends by its own rules is counted and replaced by a fresh one.
class Driver final : public QObject {
    Q_OBJECT
  public:
    struct Options {
        uint64_t seed = 1;
        uint64_t from = 0;
        uint64_t to = 1000;
        bool trace = false;  // print every event as it is sent
    };

    explicit Driver(Options options);
    ~Driver() override;

    // Runs the events inside the application's event loop; returns once they are done or an
    // invariant broke.
    void run();

    const std::optional<Violation>& violation() const { return violation_; }
    uint64_t eventsSent() const { return next_ - options_.from; }
    int ends() const { return ends_; }
    double seconds() const;
    // How many times each window was opened, by class name.
    const std::map<QString, int>& opened() const { return opened_; }
    const std::map<QString, int>& messages() const { return messages_; }
    // How many times the exercise window came to each of its states.
    const std::map<QString, int>& exerciseStates() const { return states_; }
    int draws() const { return draws_; }
    // The event being sent, for a crash report.
    static uint64_t current();

  private:
    void step();
    void finish();
    void progress(uint64_t done) const;
    void newApp(uint64_t index);
    void perform(const Event& event, uint64_t index);
    void key(const Event& event);
    void heldKey(const Event& event);
    void mouse(const Event& event, bool twice);
    void trigger(const Event& event);
    void closeWindow();
    void otherWindow(const Event& event);
    void check(uint64_t index);
    std::optional<Violation> windowsProblem(uint64_t index) const;
    void note();
    void fail(uint64_t index, const QString& rule, const QString& detail);

    Options options_;
    uint64_t next_ = 0;
    int depth_ = 0;  // steps on the stack: above 1, a nested event loop runs
    bool needApp_ = true;
    static constexpr int kStartSteps = 100;
    static constexpr uint64_t kProgressEvents = 100000;
    int startPending_ = 0;  // steps left to wait for a fresh program's start window
    int ends_ = 0;
    int draws_ = 0;
    std::unique_ptr<App> app_;
    StressClock* clock_ = nullptr;  // owned by app_
    std::unique_ptr<DrawWatch> watch_;
    std::optional<Violation> violation_;
    std::chrono::steady_clock::time_point started_;
    std::chrono::steady_clock::time_point stopped_;
    std::map<QString, int> opened_;
    std::map<QString, int> messages_;
    std::map<QString, int> states_;
    std::optional<WindowState> lastState_;
    static constexpr int kReachedNothingEvents = 2;
    int reachedNothing_ = 0;                 // events in a row that found no window taking input
    std::array<QPointer<QObject>, 7> seen_;  // the windows last seen loaded
    QPointer<QWidget> lastMessage_;
};

}  // namespace sd::stress
