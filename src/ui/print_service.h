#pragma once

#include "printing/printer_model.h"

#include <QPageLayout>
#include <QString>

#include <chrono>
#include <optional>
#include <vector>

namespace sd {

// What became of a document sent to the system's print service.
enum class PrintOutcome {
    Printed,             // the queue took it and printed it, or is still sending it
    NoPrinter,           // no such queue, or none installed and no default one
    ServiceUnreachable,  // the print service does not answer
    Refused,             // the queue refused the job, or the job was stopped, aborted or cancelled
};

struct PrintResult {
    PrintOutcome outcome = PrintOutcome::Refused;
    // The print service's own words on a failure, for a log; empty when printed.
    QString detail;
};

// The queues of the print service, in its order, the default one marked; none when the service
// does not answer.
std::vector<InstalledPrinter> installedPrinters();

// The page a queue prints by default, with its printable area; none when the queue is unknown.
std::optional<QPageLayout> queuePageLayout(const QString& queue);

// Sends a PDF to a queue of the print service (CUPS; CUPS_SERVER chooses another server), titled
// `title` in its job list. An empty `queue` is the default queue. Blocks until the job has
// finished, or `wait` has passed while it is still on its way, which counts as printed: a job
// that ends in failure within `wait`, or sits on a paused queue, is reported as refused and
// cancelled so that it cannot come out later by surprise.
PrintResult submitPdf(const QString& queue, const QString& pdfPath, const QString& title,
                      std::chrono::milliseconds wait = std::chrono::seconds(10));

// What to tell the pupil about a failure, in plain Italian; empty for Printed.
QString printFailureMessage(PrintOutcome outcome);

}  // namespace sd
