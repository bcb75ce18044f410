// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stress/driver.h"

#include "app/app.h"
#include "state/clock.h"
#include "state/drill_state.h"
#include "ui/windows/frm_attestato.h"
#include "ui/windows/frm_autore.h"
#include "ui/windows/frm_inizio.h"
#include "ui/windows/frm_nome.h"
#include "ui/windows/frm_operativo.h"
#include "ui/windows/frm_scelta_stampante.h"
#include "ui/windows/frm_stampa_esercizio.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

namespace sd::stress {

// A clock that moves only when the pupil's next event comes.
class StressClock final : public Clock {
  public:
    explicit StressClock(double start) : now_(start) {}
    double secondsSinceMidnight() override { return now_; }
    void advance(double seconds) { now_ = std::fmod(now_ + seconds, kSecondsPerDay); }

  private:
    static constexpr double kSecondsPerDay = 86400.0;
    double now_;
};

// Seeded random numbers that show every draw of a bank to the watch.
class WatchedRandom final : public RandomSource {
  public:
    WatchedRandom(uint64_t seed, DrawWatch& watch) : engine_(seed), watch_(watch) {}
    void watchState(const DrillState& state) { state_ = &state; }
    int below(int bound) override {
        const int choice = static_cast<int>(engine_() % static_cast<uint64_t>(std::max(bound, 1)));
        if (state_ != nullptr) watch_.draw(*state_, bound, choice);
        return choice;
    }

  private:
    std::mt19937_64 engine_;
    DrawWatch& watch_;
    const DrillState* state_ = nullptr;
};

namespace {

uint64_t currentEvent = 0;

struct ProgramWindow {
    WindowId id;
    const QMetaObject* type;
};

const std::array<ProgramWindow, kWindowCount> kProgramWindows{{
    {WindowId::Inizio, &FrmInizio::staticMetaObject},
    {WindowId::Operativo, &FrmOperativo::staticMetaObject},
    {WindowId::Autore, &FrmAutore::staticMetaObject},
    {WindowId::Attestato, &FrmAttestato::staticMetaObject},
    {WindowId::StampaEsercizio, &FrmStampaEsercizio::staticMetaObject},
    {WindowId::SceltaStampante, &FrmSceltaStampante::staticMetaObject},
    {WindowId::Nome, &FrmNome::staticMetaObject},
}};

bool isProgramWindow(const QWidget* widget) {
    return std::any_of(kProgramWindows.begin(), kProgramWindows.end(),
                       [widget](const ProgramWindow& w) { return widget->metaObject() == w.type; });
}

// Where the pupil's input goes: an open popup (a combo box's list), else the modal window, else
// the active window.
QWidget* activeTarget() {
    if (QWidget* popup = QApplication::activePopupWidget()) return popup;
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    QWidget* active = QApplication::activeWindow();
    return active != nullptr && active->isVisible() ? active : nullptr;
}

// The widget a key goes to: the focus widget of the window taking input, or the window.
QWidget* keyTarget() {
    QWidget* window = activeTarget();
    if (window == nullptr) return nullptr;
    QWidget* focus = window->focusWidget();
    if (QApplication::activePopupWidget() == nullptr) focus = QApplication::focusWidget();
    return focus != nullptr && focus->window() == window ? focus : window;
}

// A plain widget without children draws nothing to press (the start window's curtain halves,
// which its timer shows and hides at its own pace): never a target, so a replay picks the same
// widgets whatever the timers did. A scroll area's viewport is where its items are pressed.
bool isDecoration(const QWidget* widget) {
    if (widget->metaObject() != &QWidget::staticMetaObject) return false;
    if (qobject_cast<const QAbstractScrollArea*>(widget->parentWidget()) != nullptr) return false;
    return widget->findChild<QWidget*>() == nullptr;
}

std::vector<QWidget*> mouseTargets(QWidget* window) {
    std::vector<QWidget*> found{window};
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->isWindow() || !widget->isVisible() || !widget->isEnabled()) continue;
        if (isDecoration(widget)) continue;
        found.push_back(widget);
    }
    return found;
}

std::vector<QWidget*> visibleWindows() {
    std::vector<QWidget*> found;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = widget->windowType();
        if (!widget->isVisible() || type == Qt::Popup || type == Qt::ToolTip) continue;
        found.push_back(widget);
    }
    // The toolkit keeps its windows in a set: a fixed order for replays.
    std::sort(found.begin(), found.end(), [](const QWidget* a, const QWidget* b) {
        return std::make_pair(QString::fromLatin1(a->metaObject()->className()), a->windowTitle()) <
               std::make_pair(QString::fromLatin1(b->metaObject()->className()), b->windowTitle());
    });
    return found;
}

QString describeWidget(const QWidget* widget) {
    if (widget == nullptr) return QStringLiteral("nothing");
    QString text = QString::fromLatin1(widget->window()->metaObject()->className());
    if (widget != widget->window()) {
        text +=
            QStringLiteral(" > ") + (widget->objectName().isEmpty()
                                         ? QString::fromLatin1(widget->metaObject()->className())
                                         : widget->objectName());
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        text += QStringLiteral(" \"%1\"").arg(button->text());
    return text;
}

double startOfDay(uint64_t seed, uint64_t index) {
    const uint64_t m = mix(seed ^ 0xC10C, index);
    // One program in five starts a few minutes before midnight, so answers cross it.
    if (m % 5 == 0) return 86400.0 - static_cast<double>((m >> 8) % 600);
    return static_cast<double>((m >> 8) % 86400);
}

}  // namespace

Driver::Driver(Options options) : options_(options), next_(options.from) {}

Driver::~Driver() {
    app_.reset();
}

uint64_t Driver::current() {
    return currentEvent;
}

double Driver::seconds() const {
    return std::chrono::duration<double>(stopped_ - started_).count();
}

void Driver::run() {
    started_ = std::chrono::steady_clock::now();
    QTimer::singleShot(0, this, &Driver::step);
    QApplication::exec();
    stopped_ = std::chrono::steady_clock::now();
    if (watch_) draws_ += watch_->draws();
    app_.reset();
}

void Driver::step() {
    if (violation_) return;
    if (next_ >= options_.to) {
        finish();
        return;
    }
    // The next step is due before this event is sent: if the event opens a modal window, its own
    // event loop runs the next steps.
    QTimer::singleShot(0, this, &Driver::step);
    ++depth_;
    if (needApp_ && depth_ == 1) {
        newApp(next_);
    } else if (startPending_ > 0 && QApplication::activeWindow() == nullptr) {
        // Events go to a fresh program once its start window has come up.
        --startPending_;
    } else {
        startPending_ = 0;
        const uint64_t index = next_++;
        currentEvent = index;
        // The keyboard reaches a window of a running program: a window that goes hands it on,
        // which the platform reports one event late at most.
        reachedNothing_ = activeTarget() == nullptr && !needApp_ ? reachedNothing_ + 1 : 0;
        if (reachedNothing_ > kReachedNothingEvents)
            fail(index, QStringLiteral("the keyboard reaches a window"),
                 QStringLiteral("%1 events in a row found no window taking input")
                     .arg(reachedNothing_));
        else
            perform(eventAt(options_.seed, index), index);
        if (!violation_) {
            note();
            check(index);
        }
        if ((index + 1) % kProgressEvents == 0) progress(index + 1);
    }
    --depth_;
}

void Driver::progress(uint64_t done) const {
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started_).count();
    std::printf("stress: %llu events, %d ends, %.0f events per second\n",
                static_cast<unsigned long long>(done), ends_,
                static_cast<double>(done - options_.from) / seconds);
    std::fflush(stdout);
}

void Driver::finish() {
    // Under a modal window the pupil closes it first; the step below it then returns.
    if (depth_ > 0) {
        QWidget* open = QApplication::activePopupWidget();
        if (open == nullptr) open = QApplication::activeModalWidget();
        if (open != nullptr) {
            open->close();
            QTimer::singleShot(0, this, &Driver::step);
            return;
        }
    }
    QCoreApplication::exit(0);
}

void Driver::newApp(uint64_t index) {
    if (app_) {
        draws_ += watch_->draws();
        app_.reset();
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (isProgramWindow(widget))
                return fail(index, QStringLiteral("one instance of each window"),
                            QStringLiteral("a %1 outlived its program")
                                .arg(QString::fromLatin1(widget->metaObject()->className())));
    }
    watch_ = std::make_unique<DrawWatch>();
    auto clock = std::make_unique<StressClock>(startOfDay(options_.seed, index));
    auto random = std::make_unique<WatchedRandom>(mix(options_.seed ^ 0xD1CE, index), *watch_);
    clock_ = clock.get();
    WatchedRandom* watched = random.get();
    app_ = std::make_unique<App>(std::move(clock), std::move(random), [this] {
        ++ends_;
        needApp_ = true;
    });
    watched->watchState(app_->state());
    seen_.fill(nullptr);
    lastState_.reset();
    reachedNothing_ = 0;
    needApp_ = false;
    startPending_ = kStartSteps;
    app_->start();
    note();
}

void Driver::perform(const Event& event, uint64_t index) {
    // A press whose release never came (its widget went) must not stay held.
    QTestPrivate::qtestMouseButtons = Qt::NoButton;
    clock_->advance(event.seconds);
    if (options_.trace) {
        const QWidget* target = event.action == Action::Key || event.action == Action::HeldKey
                                    ? keyTarget()
                                    : activeTarget();
        std::printf("#%llu %s -> %s\n", static_cast<unsigned long long>(index),
                    qPrintable(describe(event)), qPrintable(describeWidget(target)));
        std::fflush(stdout);
    }
    switch (event.action) {
        case Action::Key:
            key(event);
            break;
        case Action::HeldKey:
            heldKey(event);
            break;
        case Action::Click:
            mouse(event, false);
            break;
        case Action::DoubleClick:
            mouse(event, true);
            break;
        case Action::Trigger:
            trigger(event);
            break;
        case Action::Close:
            closeWindow();
            break;
        case Action::OtherWindow:
            otherWindow(event);
            break;
    }
}

// The press goes to the focus widget, the release to whichever has the focus after the press.
void Driver::key(const Event& event) {
    if (QWidget* target = keyTarget())
        QTest::simulateEvent(target, true, event.key, event.modifiers, event.text, false);
    if (QWidget* target = keyTarget())
        QTest::simulateEvent(target, false, event.key, event.modifiers, event.text, false);
}

// A held key: the press, then the platform's repeats as release/press pairs marked automatic,
// then the real release.
void Driver::heldKey(const Event& event) {
    if (QWidget* target = keyTarget())
        QTest::simulateEvent(target, true, event.key, event.modifiers, event.text, false);
    for (int i = 0; i < event.repeats; ++i) {
        if (QWidget* target = keyTarget())
            QTest::simulateEvent(target, false, event.key, event.modifiers, event.text, true);
        if (QWidget* target = keyTarget())
            QTest::simulateEvent(target, true, event.key, event.modifiers, event.text, true);
    }
    if (QWidget* target = keyTarget())
        QTest::simulateEvent(target, false, event.key, event.modifiers, event.text, false);
}

void Driver::mouse(const Event& event, bool twice) {
    QWidget* window = activeTarget();
    if (window == nullptr) {
        otherWindow(event);
        return;
    }
    const std::vector<QWidget*> targets = mouseTargets(window);
    QPointer<QWidget> target = targets[event.pick % targets.size()];
    const QPoint at(static_cast<int>(event.x * target->width()),
                    static_cast<int>(event.y * target->height()));
    if (options_.trace) std::printf("    on %s\n", qPrintable(describeWidget(target)));
    const auto still = [&target] { return target && target->isVisible(); };
    QTest::mousePress(target, event.button, Qt::NoModifier, at);
    if (still()) QTest::mouseRelease(target, event.button, Qt::NoModifier, at);
    if (!twice) return;
    if (still()) QTest::mouseDClick(target, event.button, Qt::NoModifier, at);
    if (still()) QTest::mouseRelease(target, event.button, Qt::NoModifier, at);
}

void Driver::trigger(const Event& event) {
    auto* window = qobject_cast<QMainWindow*>(activeTarget());
    if (window == nullptr) return;
    QList<QAction*> actions;
    for (QAction* action : window->menuBar()->actions())
        if (action->isVisible() && action->isEnabled()) actions.append(action);
    if (actions.isEmpty()) return;
    actions.at(static_cast<qsizetype>(event.pick % static_cast<uint32_t>(actions.size())))
        ->trigger();
}

void Driver::closeWindow() {
    if (QWidget* window = activeTarget()) window->close();
}

// A click on another window's frame: not while a modal window or a popup holds the input.
void Driver::otherWindow(const Event& event) {
    if (QApplication::activePopupWidget() != nullptr ||
        QApplication::activeModalWidget() != nullptr)
        return;
    const std::vector<QWidget*> windows = visibleWindows();
    if (windows.empty()) return;
    QWidget* window = windows[event.pick % windows.size()];
    window->raise();
    window->activateWindow();
}

// Counts the windows opened and the messages shown.
void Driver::note() {
    if (!app_) return;
    for (const ProgramWindow& window : kProgramWindows) {
        QObject* instance = app_->registry().instance(window.id);
        QPointer<QObject>& seen = seen_[static_cast<size_t>(window.id)];
        if (instance != nullptr && instance != seen)
            ++opened_[QString::fromLatin1(window.type->className())];
        seen = instance;
    }
    std::optional<WindowState> state;
    if (auto* exercise = app_->window<FrmOperativo>(WindowId::Operativo))
        state = exercise->model().windowState();
    if (state && state != lastState_) {
        static const std::map<WindowState, QString> names{
            {WindowState::Answering, QStringLiteral("answering")},
            {WindowState::Answered, QStringLiteral("answered")},
            {WindowState::Exhausted, QStringLiteral("questions exhausted")},
            {WindowState::Warning, QStringLiteral("ten answered")}};
        ++states_[names.at(*state)];
    }
    lastState_ = state;
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        box != nullptr && box != lastMessage_) {
        ++messages_[box->text()];
        lastMessage_ = box;
    }
}

void Driver::check(uint64_t index) {
    if (!app_) return;
    std::optional<WindowState> exercise;
    if (auto* window = app_->window<FrmOperativo>(WindowId::Operativo))
        exercise = window->model().windowState();
    if (const std::optional<QString> problem = watch_->check(app_->state(), exercise))
        return fail(index, QStringLiteral("drill state"), *problem);
    if (std::optional<Violation> problem = windowsProblem(index))
        return fail(index, problem->rule, problem->detail);
}

std::optional<Violation> Driver::windowsProblem(uint64_t index) const {
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const ProgramWindow& program : kProgramWindows) {
        const QString name = QString::fromLatin1(program.type->className());
        int shown = 0;
        for (const QWidget* window : windows) {
            if (window->metaObject() != program.type || !window->isVisible()) continue;
            ++shown;
            if (window != app_->registry().instance(program.id))
                return Violation{
                    index, QStringLiteral("one instance of each window"),
                    QStringLiteral("a %1 on screen that is not the loaded one").arg(name)};
        }
        if (shown > 1)
            return Violation{index, QStringLiteral("one instance of each window"),
                             QStringLiteral("%1 windows %2 on screen").arg(shown).arg(name)};
    }
    // A program that has not ended shows the pupil at least one of its windows.
    if (app_->registry().loadedCount() > 0) {
        const bool onScreen = std::any_of(
            kProgramWindows.begin(), kProgramWindows.end(), [this](const ProgramWindow& program) {
                const auto* window = qobject_cast<QWidget*>(app_->registry().instance(program.id));
                return window != nullptr && window->isVisible();
            });
        if (!onScreen)
            return Violation{index, QStringLiteral("a window on screen until the end"),
                             QStringLiteral("no window on screen, yet the program runs on")};
    }
    const auto boxes = std::count_if(windows.begin(), windows.end(), [](const QWidget* w) {
        return qobject_cast<const QMessageBox*>(w) != nullptr && w->isVisible();
    });
    if (boxes > 1)
        return Violation{index, QStringLiteral("one message at a time"),
                         QStringLiteral("%1 message boxes on screen").arg(boxes)};

    auto* exercise = app_->window<FrmOperativo>(WindowId::Operativo);
    if (exercise == nullptr) return std::nullopt;
    int enabled = 0;
    Riquadro taking = Riquadro::None;
    for (const Riquadro frame : {Riquadro::Keypad, Riquadro::Finito, Riquadro::Avviso})
        if (exercise->frame(frame).isEnabled()) {
            ++enabled;
            taking = frame;
        }
    if (enabled != 1 || taking != exercise->model().view().enabledFrame)
        return Violation{
            index, QStringLiteral("one frame takes input"),
            QStringLiteral("%1 of the exercise window's frames take input").arg(enabled)};
    if (app_->state().drawCount >= DrawWatch::kDrawsPerCycle &&
        exercise->model().windowState() == WindowState::Answered)
        return Violation{index, QStringLiteral("no draw with nothing free"),
                         QStringLiteral("\"avanti\" is offered after the cycle's last question")};
    return std::nullopt;
}

void Driver::fail(uint64_t index, const QString& rule, const QString& detail) {
    if (violation_) return;
    violation_ = Violation{index, rule, detail};
    stopped_ = std::chrono::steady_clock::now();
    // Every event loop returns, the nested ones first; no further step runs.
    QCoreApplication::exit(1);
}

}  // namespace sd::stress
