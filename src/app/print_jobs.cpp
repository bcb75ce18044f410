// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/print_jobs.h"

#include "ui/widgets/message_box.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QWidget>

#include <algorithm>
#include <memory>

namespace sd {
PrintJobs::PrintJobs(Printers& printers, FrontWindow frontWindow, QObject* parent)
    : QObject(parent), printers_(printers), frontWindow_(std::move(frontWindow)) {
    looks_.setInterval(kLookInterval);
    connect(&looks_, &QTimer::timeout, this, &PrintJobs::lookAtJobs);
}

// Nothing is waited for: a request under way is told to give up, its answer dropped.
PrintJobs::~PrintJobs() {
    if (busyShown_) QApplication::restoreOverrideCursor();
}

void PrintJobs::listPrinters(
    std::function<void(std::optional<std::vector<InstalledPrinter>>)> done) {
    ++listings_;
    service_.run<std::optional<std::vector<InstalledPrinter>>>(
        [](const Patience& patience) { return installedPrinters(patience); },
        [this, done = std::move(done)](std::optional<std::vector<InstalledPrinter>> printers) {
            --listings_;
            done(std::move(printers));
        });
}

void PrintJobs::print(const QString& title, PageDrawing draw) {
    if (!handingOver_.insert(title).second) return;
    showBusy();
    if (printers_.known()) return handOver(title, draw);
    // The queues are asked for first: the current printer is one of them.
    connect(
        &printers_, &Printers::answered, this,
        [this, title, draw = std::move(draw)] { handOver(title, draw); }, Qt::SingleShotConnection);
    printers_.ask();
}

void PrintJobs::handOver(const QString& title, const PageDrawing& draw) {
    if (printers_.list() != PrinterList::Listed)
        return notHandedOver(title, PrintOutcome::ServiceUnreachable, QStringLiteral("no queues"));
    const QString queue = printers_.model().currentName();
    if (queue.isEmpty())
        return notHandedOver(title, PrintOutcome::NoPrinter, QStringLiteral("none"));
    service_.run<QueuePage>(
        [queue](const Patience& patience) { return queuePageLayout(queue, patience); },
        [this, title, queue, draw](const QueuePage& page) { submit(title, queue, page, draw); });
}

void PrintJobs::submit(const QString& title, const QString& queue, const QueuePage& page,
                       const PageDrawing& draw) {
    if (!page.answered)
        return notHandedOver(title, PrintOutcome::ServiceUnreachable, QStringLiteral("no page"));
    // The folder goes with the request, once the service has read the page.
    auto folder = std::make_shared<QTemporaryDir>();
    if (!folder->isValid())
        return notHandedOver(title, PrintOutcome::Refused, folder->errorString());
    const QString pdf = folder->filePath(QStringLiteral("pagina.pdf"));
    if (!writePdf(pdf, title, page.layout, draw))
        return notHandedOver(title, PrintOutcome::Refused, QStringLiteral("page not drawn"));
    service_.run<Submission>(
        [queue, pdf, title, folder](const Patience& patience) {
            return submitPdf(queue, pdf, title, patience);
        },
        [this, title](const Submission& submitted) { handedOver(title, submitted); });
}

void PrintJobs::handedOver(const QString& title, const Submission& submitted) {
    handingOver_.erase(title);
    showBusy();
    if (submitted.job)
        follow(*submitted.job);
    else
        tellFailure(submitted.failure);
}

void PrintJobs::notHandedOver(const QString& title, PrintOutcome outcome, const QString& why) {
    handedOver(title, {std::nullopt, {outcome, why}});
}

// The busy cursor, not the wait cursor: every window still takes keys and the mouse meanwhile.
void PrintJobs::showBusy() {
    const bool busy = !handingOver_.empty();
    if (busy == busyShown_) return;
    busyShown_ = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::BusyCursor);
    else
        QApplication::restoreOverrideCursor();
}

void PrintJobs::follow(const PrintJob& job) {
    jobs_.push_back({job, {}, false});
    jobs_.back().age.start();
    keepLooking();
}

void PrintJobs::tellFailure(const PrintResult& failure) {
    tell(printFailureMessage(failure.outcome));
}

// One look at a time: while the service is slow to answer, the timer's next turns pass.
void PrintJobs::lookAtJobs() {
    if (looking_ || jobs_.empty()) return;
    looking_ = true;
    std::vector<PrintJob> jobs;
    for (const Followed& followed : jobs_) jobs.push_back(followed.job);
    service_.run<std::vector<JobCheck>>(
        [jobs](const Patience& patience) {
            const Patience brief{std::min(patience.each, kLookPatience), patience.cancelled};
            std::vector<JobCheck> checks;
            for (const PrintJob& job : jobs) checks.push_back(checkJob(job, brief));
            return checks;
        },
        [this, jobs](const std::vector<JobCheck>& checks) { looked(jobs, checks); });
}

void PrintJobs::looked(const std::vector<PrintJob>& looked, const std::vector<JobCheck>& checks) {
    looking_ = false;
    for (std::size_t i = 0; i < looked.size() && i < checks.size(); ++i) {
        const auto same = [&](const Followed& f) {
            return f.job.id == looked[i].id && f.job.queue == looked[i].queue;
        };
        const auto followed = std::find_if(jobs_.begin(), jobs_.end(), same);
        if (followed != jobs_.end() && judged(*followed, checks[i])) jobs_.erase(followed);
    }
    tellNext();
    keepLooking();
}

bool PrintJobs::judged(Followed& followed, const JobCheck& check) {
    switch (check.state) {
        case JobState::Printed:
            return true;
        case JobState::Failed:
            tellFailure(check.failure);
            return true;
        case JobState::OnItsWay:
            break;
    }
    if (!followed.toldWaiting && followed.age.elapsed() >= patience_.count()) {
        followed.toldWaiting = true;
        tell(kJobWaitingMessage);
    }
    return false;
}

void PrintJobs::tell(const QString& text) {
    untold_.push_back(text);
    tellNext();
    keepLooking();
}

// Waits while a message is up, this one's or another window's, or no window of the program is
// on screen to carry it.
void PrintJobs::tellNext() {
    if (untold_.empty() || (shown_ && shown_->isVisible()) ||
        qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr)
        return;
    QWidget* front = frontWindow_();
    if (front == nullptr) return;
    shown_ = openMessage(front, untold_.front());
    untold_.pop_front();
    connect(shown_, &QDialog::finished, this,
            [this] { QTimer::singleShot(0, this, &PrintJobs::tellNext); });
}

void PrintJobs::keepLooking() {
    if (jobs_.empty() && untold_.empty())
        looks_.stop();
    else if (!looks_.isActive())
        looks_.start();
}

}  // namespace sd
