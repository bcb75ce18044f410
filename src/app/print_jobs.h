// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/cups/print_service.h"
#include "printing/printers.h"
#include "ui/drawing/page_painter.h"

#include <QElapsedTimer>
#include <QMessageBox>
#include <QObject>
#include <QPageLayout>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <chrono>
#include <deque>
#include <functional>
#include <optional>
#include <set>
#include <vector>

class QWidget;

namespace sd {

inline const QString kJobWaitingMessage = QStringLiteral(
    "La stampante non ha ancora stampato. Il foglio resta in coda e uscirà quando la stampante "
    "sarà pronta.");

// The program's printing: every call to the print service runs on a thread of its own
// (PrintServiceThread), so that every window goes on answering while the service is slow or
// silent; the page itself is drawn here, on the interface thread. A document is handed over, then
// its job followed with a look at every job after each interval until it is over. A failure is
// told to the pupil whenever it becomes known, over whichever of the program's windows is in
// front; a job still on its way after the patience is said, once, to wait in the queue, and is
// left there. One message at a time: news that comes while a message is up waits for it to be
// acknowledged. No job is cancelled for being slow, nor when the program ends: the print service
// keeps it.
class PrintJobs final : public QObject {
    Q_OBJECT
  public:
    static constexpr std::chrono::milliseconds kLookInterval{250};
    static constexpr std::chrono::milliseconds kPatience{30000};
    // A look at a job that goes on by itself waits less for the service than a request does.
    static constexpr std::chrono::milliseconds kLookPatience{500};

    // The window in front, over which the pupil is told; nullptr with none on screen.
    using FrontWindow = std::function<QWidget*()>;

    PrintJobs(Printers& printers, FrontWindow frontWindow, QObject* parent);
    ~PrintJobs() override;

    // Prints the page titled `title` as one whole document on the program's current printer,
    // once the print service has listed its queues: asks the queue's page, draws the page into a
    // PDF (on this thread) and hands it over, then follows its job. Returns at once. While a
    // document is being handed over, printing it again does nothing: the busy cursor says that
    // the program is at it. `draw` must hold what it draws: it runs later.
    void print(const QString& title, PageDrawing draw);
    // Asks the print service for its queues; `done` gets them, or nothing when it does not answer.
    void listPrinters(std::function<void(std::optional<std::vector<InstalledPrinter>>)> done);

    void follow(const PrintJob& job);
    // Tells the pupil, over the window in front, why a page did not come out.
    void tellFailure(const PrintResult& failure);
    // How long a job may be on its way before the pupil is told that it waits in the queue.
    void setPatience(std::chrono::milliseconds patience) { patience_ = patience; }
    // How long each request may wait for the print service before it counts as not answering.
    void setServicePatience(std::chrono::milliseconds each) { service_.setPatience(each); }
    std::size_t followed() const { return jobs_.size(); }
    // Whether the document of that title is being handed over.
    bool handingOver(const QString& title) const { return handingOver_.contains(title); }
    // Nothing asked of the print service, no job followed and nothing left to tell.
    bool idle() const {
        return jobs_.empty() && untold_.empty() && handingOver_.empty() && !looking_ &&
               listings_ == 0;
    }

  private:
    struct Followed {
        PrintJob job;
        QElapsedTimer age;
        bool toldWaiting = false;
    };

    void handOver(const QString& title, const PageDrawing& draw);
    void submit(const QString& title, const QString& queue, const QueuePage& page,
                const PageDrawing& draw);
    void handedOver(const QString& title, const Submission& submitted);
    void notHandedOver(const QString& title, PrintOutcome outcome, const QString& why);
    void lookAtJobs();
    void looked(const std::vector<PrintJob>& looked, const std::vector<JobCheck>& checks);
    // True when the job is over.
    bool judged(Followed& followed, const JobCheck& check);
    void showBusy();
    void tell(const QString& text);
    void tellNext();
    void keepLooking();

    Printers& printers_;
    FrontWindow frontWindow_;
    PrintServiceThread service_{*this};
    QTimer looks_;
    std::vector<Followed> jobs_;
    std::set<QString> handingOver_;
    bool looking_ = false;
    int listings_ = 0;
    bool busyShown_ = false;
    std::deque<QString> untold_;
    QPointer<QMessageBox> shown_;
    std::chrono::milliseconds patience_ = kPatience;
};

}  // namespace sd
