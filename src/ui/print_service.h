// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "printing/printer_model.h"

#include <QByteArray>
#include <QPageLayout>
#include <QString>

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
    // The print service's own words on a failure, for a log; empty when printed.
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

// The queues of the print service, in its order, the default one marked; none when the service
// does not answer.
std::vector<InstalledPrinter> installedPrinters();

// The page a queue prints by default, with its printable area; none when the queue is unknown.
std::optional<QPageLayout> queuePageLayout(const QString& queue);

// Hands a PDF to a queue of the print service (CUPS; CUPS_SERVER chooses another server), titled
// `title` in its job list. An empty `queue` is the default queue. Returns as soon as the service
// has taken the job or said no; how the job goes on is for checkJob to tell.
Submission submitPdf(const QString& queue, const QString& pdfPath, const QString& title);

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
JobCheck checkJob(const PrintJob& job);

// What to tell the pupil about a failure, in plain Italian; empty for Printed.
QString printFailureMessage(PrintOutcome outcome);

}  // namespace sd
