#include "ui/print_service.h"

#include <cups/cups.h>

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <memory>
#include <optional>
#include <thread>

namespace sd {

namespace {

using Clock = std::chrono::steady_clock;

struct HttpCloser {
    void operator()(http_t* http) const { httpClose(http); }
};
using Connection = std::unique_ptr<http_t, HttpCloser>;

struct IppDeleter {
    void operator()(ipp_t* ipp) const { ippDelete(ipp); }
};
using Response = std::unique_ptr<ipp_t, IppDeleter>;

QString lastCupsError() {
    return QString::fromUtf8(cupsLastErrorString());
}

PrintResult failure(PrintOutcome outcome, QString detail) {
    return {outcome, std::move(detail)};
}

// Why a request to the service failed. libcups reports a connection it cannot make or lost as
// "service unavailable"; whatever else the service says no to, it said no to this job.
PrintResult requestFailure() {
    switch (cupsLastError()) {
        case IPP_STATUS_ERROR_NOT_FOUND:
            return failure(PrintOutcome::NoPrinter, lastCupsError());
        case IPP_STATUS_ERROR_SERVICE_UNAVAILABLE:
            return failure(PrintOutcome::ServiceUnreachable, lastCupsError());
        default:
            return failure(PrintOutcome::Refused, lastCupsError());
    }
}

struct JobStatus {
    ipp_jstate_t state = IPP_JSTATE_PENDING;
    QStringList reasons;
    QString message;

    QString describe() const {
        if (!message.isEmpty()) return message;
        if (!reasons.isEmpty()) return reasons.join(QLatin1String(", "));
        return QString::fromUtf8(ippEnumString("job-state", state));
    }
};

QString textOf(ipp_t* response, const char* name, ipp_tag_t tag) {
    ipp_attribute_t* a = ippFindAttribute(response, name, tag);
    return a ? QString::fromUtf8(ippGetString(a, 0, nullptr)) : QString();
}

// Asks the service for a few attributes of a job or a queue, or nothing when it does not answer.
template <std::size_t N>
Response query(http_t* http, ipp_op_t operation, const char* uriName, const char* path,
               const char* const (&wanted)[N]) {
    char uri[HTTP_MAX_URI];
    httpAssembleURI(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(),
                    path);
    ipp_t* request = ippNewRequest(operation);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, uriName, nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                 cupsUser());
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", N, nullptr,
                  wanted);
    // cupsDoRequest frees the request whatever happens.
    Response response(cupsDoRequest(http, request, "/"));
    if (cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE) response.reset();
    return response;
}

std::optional<JobStatus> jobStatus(http_t* http, int jobId) {
    static const char* const kWanted[] = {"job-state", "job-state-reasons", "job-state-message"};
    const QByteArray path = "/jobs/" + QByteArray::number(jobId);
    const Response response =
        query(http, IPP_OP_GET_JOB_ATTRIBUTES, "job-uri", path.constData(), kWanted);
    ipp_attribute_t* state =
        response ? ippFindAttribute(response.get(), "job-state", IPP_TAG_ENUM) : nullptr;
    if (!state) return std::nullopt;
    JobStatus status;
    status.state = static_cast<ipp_jstate_t>(ippGetInteger(state, 0));
    if (ipp_attribute_t* a = ippFindAttribute(response.get(), "job-state-reasons", IPP_TAG_KEYWORD))
        for (int i = 0; i < ippGetCount(a); ++i)
            status.reasons << QString::fromUtf8(ippGetString(a, i, nullptr));
    status.message = textOf(response.get(), "job-state-message", IPP_TAG_TEXT);
    return status;
}

// Why the queue is stopped (paused, or halted by an error), or nothing while it runs.
std::optional<QString> queueStopped(http_t* http, const char* queue) {
    static const char* const kWanted[] = {"printer-state", "printer-state-message"};
    const QByteArray path = "/printers/" + QByteArray(queue);
    const Response response =
        query(http, IPP_OP_GET_PRINTER_ATTRIBUTES, "printer-uri", path.constData(), kWanted);
    ipp_attribute_t* state =
        response ? ippFindAttribute(response.get(), "printer-state", IPP_TAG_ENUM) : nullptr;
    if (!state || ippGetInteger(state, 0) != IPP_PSTATE_STOPPED) return std::nullopt;
    const QString message = textOf(response.get(), "printer-state-message", IPP_TAG_TEXT);
    return message.isEmpty() ? QStringLiteral("the queue is stopped") : message;
}

// Follows a job the queue has taken until it is finished or `wait` has passed.
PrintResult followJob(http_t* http, const char* queue, int jobId, std::chrono::milliseconds wait) {
    const auto deadline = Clock::now() + wait;
    for (;;) {
        const std::optional<JobStatus> job = jobStatus(http, jobId);
        // The job was taken but whether it prints cannot be known: not a success.
        if (!job) return requestFailure();
        std::optional<QString> stuck;
        switch (job->state) {
            case IPP_JSTATE_COMPLETED:
                return {PrintOutcome::Printed, {}};
            case IPP_JSTATE_CANCELED:
            case IPP_JSTATE_ABORTED:
                return failure(PrintOutcome::Refused, job->describe());
            // Neither comes out by itself: a stopped job, nor one on a stopped queue.
            case IPP_JSTATE_STOPPED:
                stuck = job->describe();
                break;
            case IPP_JSTATE_PENDING:
                stuck = queueStopped(http, queue);
                break;
            case IPP_JSTATE_HELD:
                if (Clock::now() >= deadline) stuck = job->describe();
                break;
            case IPP_JSTATE_PROCESSING:
                break;
        }
        if (stuck) {
            cupsCancelJob2(http, queue, jobId, 0);
            return failure(PrintOutcome::Refused, *stuck);
        }
        // Waiting for its turn or being sent to the printer: on its way.
        if (Clock::now() >= deadline) return {PrintOutcome::Printed, {}};
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

}  // namespace

PrintResult submitPdf(const QString& queue, const QString& pdfPath, const QString& title,
                      std::chrono::milliseconds wait) {
    if (!QFileInfo(pdfPath).isReadable())
        return failure(PrintOutcome::Refused, QStringLiteral("cannot read %1").arg(pdfPath));

    // A connection of its own rather than libcups' shared default one, so that nothing stays
    // open between prints. A local service answers at once; a remote one gets a few seconds.
    const Connection http(httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC,
                                       cupsEncryption(), 1, 5000, nullptr));
    if (!http) return failure(PrintOutcome::ServiceUnreachable, lastCupsError());

    // Resolved first: for a queue that does not exist, printing itself goes looking for network
    // printers and reports whatever that search ran into. No name means the default queue.
    const QByteArray wanted = queue.toUtf8();
    cups_dest_t* dest =
        cupsGetNamedDest(http.get(), wanted.isEmpty() ? nullptr : wanted.constData(), nullptr);
    if (!dest) {
        PrintResult why = requestFailure();
        if (why.outcome != PrintOutcome::ServiceUnreachable) why.outcome = PrintOutcome::NoPrinter;
        return why;
    }
    const QByteArray name = dest->name;
    cupsFreeDests(1, dest);

    cups_option_t* options = nullptr;
    const int optionCount = cupsAddOption("document-format", "application/pdf", 0, &options);
    const int jobId =
        cupsPrintFile2(http.get(), name.constData(), QFile::encodeName(pdfPath).constData(),
                       title.toUtf8().constData(), optionCount, options);
    cupsFreeOptions(optionCount, options);
    if (jobId == 0) return requestFailure();
    return followJob(http.get(), name.constData(), jobId, wait);
}

QString printFailureMessage(PrintOutcome outcome) {
    switch (outcome) {
        case PrintOutcome::Printed:
            return {};
        case PrintOutcome::NoPrinter:
            return QStringLiteral(
                "Nessuna stampante è installata. Chiedi all'insegnante di installarne una.");
        case PrintOutcome::ServiceUnreachable:
            return QStringLiteral(
                "Il servizio di stampa non risponde. Chiedi all'insegnante di controllarlo, poi "
                "riprova.");
        case PrintOutcome::Refused:
            return QStringLiteral(
                "La stampante non ha stampato il foglio. Controlla che sia accesa e pronta, poi "
                "riprova.");
    }
    return {};
}

}  // namespace sd
