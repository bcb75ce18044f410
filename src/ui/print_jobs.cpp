// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/print_jobs.h"

#include "ui/app.h"
#include "ui/message_box.h"

#include <QApplication>
#include <QWidget>

#include <algorithm>

namespace sd {

PrintJobs& PrintJobs::of(App& app) {
    auto* jobs = app.findChild<PrintJobs*>(QString(), Qt::FindDirectChildrenOnly);
    return jobs != nullptr ? *jobs : *new PrintJobs(app);
}

PrintJobs::PrintJobs(App& app) : QObject(&app), app_(app) {
    looks_.setInterval(kLookInterval);
    connect(&looks_, &QTimer::timeout, this, &PrintJobs::lookAtJobs);
}

void PrintJobs::follow(const PrintJob& job) {
    jobs_.push_back({job, {}, false});
    jobs_.back().age.start();
    keepLooking();
}

void PrintJobs::tellFailure(const PrintResult& failure) {
    tell(printFailureMessage(failure.outcome));
}

void PrintJobs::lookAtJobs() {
    std::erase_if(jobs_, [this](Followed& followed) { return lookAt(followed); });
    tellNext();
    keepLooking();
}

bool PrintJobs::lookAt(Followed& followed) {
    const JobCheck check = checkJob(followed.job);
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
    QWidget* front = app_.frontWindow();
    if (front == nullptr) return;
    shown_ = openMessage(front, untold_.front());
    untold_.pop_front();
    connect(shown_, &QDialog::finished, this,
            [this] { QTimer::singleShot(0, this, &PrintJobs::tellNext); });
}

void PrintJobs::keepLooking() {
    if (idle())
        looks_.stop();
    else if (!looks_.isActive())
        looks_.start();
}

}  // namespace sd
