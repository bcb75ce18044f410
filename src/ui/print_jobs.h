// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/print_service.h"

#include <QElapsedTimer>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <chrono>
#include <deque>
#include <vector>

class QWidget;

namespace sd {

class App;

inline const QString kJobWaitingMessage = QStringLiteral(
    "La stampante non ha ancora stampato. Il foglio resta in coda e uscirà quando la stampante "
    "sarà pronta.");

// The jobs the program has handed to the print service, followed until each is over: a look at
// every one after each interval, from a timer on the interface thread, so that every window goes
// on answering while the printer works. A failure is told to the pupil whenever it becomes
// known, over whichever of the program's windows is in front; a job still on its way after the
// patience is said, once, to wait in the queue, and is left there. One message at a time: news
// that comes while a message is up waits for it to be acknowledged. No job is cancelled for
// being slow, nor when the program ends: the print service keeps it.
class PrintJobs final : public QObject {
    Q_OBJECT
  public:
    static constexpr std::chrono::milliseconds kLookInterval{250};
    static constexpr std::chrono::milliseconds kPatience{30000};

    // The application's own, a child of it, made the first time a print needs it.
    static PrintJobs& of(App& app);
    explicit PrintJobs(App& app);

    void follow(const PrintJob& job);
    // Tells the pupil, over the window in front, why a page did not come out.
    void tellFailure(const PrintResult& failure);
    // How long a job may be on its way before the pupil is told that it waits in the queue.
    void setPatience(std::chrono::milliseconds patience) { patience_ = patience; }
    std::size_t followed() const { return jobs_.size(); }
    // No job followed and nothing left to tell.
    bool idle() const { return jobs_.empty() && untold_.empty(); }

  private:
    struct Followed {
        PrintJob job;
        QElapsedTimer age;
        bool toldWaiting = false;
    };

    void lookAtJobs();
    // True when the job is over.
    bool lookAt(Followed& followed);
    void tell(const QString& text);
    void tellNext();
    void keepLooking();

    App& app_;
    QTimer looks_;
    std::vector<Followed> jobs_;
    std::deque<QString> untold_;
    QPointer<QMessageBox> shown_;
    std::chrono::milliseconds patience_ = kPatience;
};

}  // namespace sd
