// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "printing/printer_model.h"

#include <QByteArray>
#include <QObject>
#include <QPageLayout>
#include <QString>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace sd {

// What became of a document sent to the system's print service.
enum class PrintOutcome {
    Printed,             // the queue took it and printed it
    NoPrinter,           // no such queue, or none installed and no default one
    ServiceUnreachable,  // the print service does not answer
    Refused,             // the queue refused the job, or the job was stopped, aborted or cancelled
};

struct PrintResult {
    PrintOutcome outcome = PrintOutcome::Refused;
    // The print service's own words on a failure, for whoever looks into it (the pupil is told
    // the outcome); empty when printed.
    QString detail;
};

// A job the print service has taken: its queue and its number there.
struct PrintJob {
    QByteArray queue;
    int id = 0;
};

// A document handed to the print service: the job it became, or why it was not taken.
struct Submission {
    std::optional<PrintJob> job;
    PrintResult failure;  // when there is no job
};

// How long the print service is waited for: `each` request may take that long, and every wait
// ends early once `cancelled` is set (the program is ending). The calls below wait on the print
// service, so they belong on a thread of their own, never on the interface thread.
struct Patience {
    std::chrono::milliseconds each{5000};
    const std::atomic<bool>* cancelled = nullptr;
};

// The queues of the print service, in its order, the default one marked; none at all when the
// service does not answer, an empty list when it answers with no queue.
std::optional<std::vector<InstalledPrinter>> installedPrinters(const Patience& patience = {});

// The page a queue prints by default, with its printable area.
struct QueuePage {
    bool answered = false;              // false: the service did not answer
    std::optional<QPageLayout> layout;  // none when the queue is unknown or does not say
};
QueuePage queuePageLayout(const QString& queue, const Patience& patience = {});

// Hands a PDF to a queue of the print service (CUPS; CUPS_SERVER chooses another server), titled
// `title` in its job list. An empty `queue` is the default queue. Returns as soon as the service
// has taken the job or said no; how the job goes on is for checkJob to tell.
Submission submitPdf(const QString& queue, const QString& pdfPath, const QString& title,
                     const Patience& patience = {});

// How a job stands.
enum class JobState {
    Printed,
    OnItsWay,  // waiting for its turn, held, being printed, or the service is not answering now
    Failed,
};

struct JobCheck {
    JobState state = JobState::OnItsWay;
    PrintResult failure;  // when failed
};

// Asks the print service once, without waiting, how the job stands. A job that cannot come out
// by itself, stopped or waiting on a stopped queue, has failed and is cancelled, so that it does
// not come out by surprise after the pupil has printed again. A slow job is on its way, never a
// failure; so is one the service cannot tell about just now, since it stays in the service's
// spool. A job the service no longer knows is over.
JobCheck checkJob(const PrintJob& job, const Patience& patience = {});

// What to tell the pupil about a failure, in plain Italian; empty for Printed.
QString printFailureMessage(PrintOutcome outcome);

// Runs the calls to the print service one after another on a thread of its own, so that a service
// that is slow, or does not answer at all, never holds a window up: the interface thread posts a
// call and gets its result back later, as an event of its own thread, on `receiver`. Ending it
// never waits for a call under way: the call is told to give up, and the thread ends by itself
// once it has, even after the program. libcups keeps its server and connection per thread, so
// every call is made on that one thread.
class PrintServiceThread {
  public:
    explicit PrintServiceThread(QObject& receiver);
    ~PrintServiceThread();
    PrintServiceThread(const PrintServiceThread&) = delete;
    PrintServiceThread& operator=(const PrintServiceThread&) = delete;

    void setPatience(std::chrono::milliseconds each);

    // Runs `call` on the thread, then `done` with its result on the receiver's thread; `done` is
    // dropped when the receiver has gone.
    template <class Result>
    void run(std::function<Result(const Patience&)> call, std::function<void(Result)> done) {
        post([call = std::move(call), done = std::move(done)](const Patience& patience,
                                                              const Deliver& deliver) {
            auto result = std::make_shared<Result>(call(patience));
            deliver([done, result] { done(std::move(*result)); });
        });
    }

  private:
    struct Shared;
    using Deliver = std::function<void(std::function<void()>)>;
    using Task = std::function<void(const Patience&, const Deliver&)>;
    void post(Task task);
    static void serve(const std::shared_ptr<Shared>& shared);

    std::shared_ptr<Shared> shared_;
    bool started_ = false;
};

}  // namespace sd
