// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/print_service.h"

#include <cups/cups.h>
#include <dlfcn.h>

#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QSizeF>
#include <QStringList>

#include <algorithm>
#include <chrono>
#include <memory>
#include <optional>

namespace sd {

namespace {

// libcups is opened when the program first prints, not linked: linked, it would bring its TLS,
// Kerberos and Avahi libraries into every start of the program, printing or not.
// clang-format off
#define SD_CUPS_FUNCTIONS(X) \
    X(cupsAddOption) X(cupsGetDests2) X(cupsCancelJob2) X(cupsDoRequest) X(cupsEncryption) \
    X(cupsFreeDests) X(cupsFreeOptions) X(cupsGetNamedDest) X(cupsLastError) \
    X(cupsLastErrorString) X(cupsPrintFile2) X(cupsServer) X(cupsUser) X(httpAssembleURI) \
    X(httpClose) X(httpConnect2) X(httpSetTimeout) X(ippAddString) X(ippAddStrings) \
    X(ippDelete) X(ippEnumString) X(ippFindAttribute) X(ippGetCount) X(ippGetInteger) \
    X(ippGetString) X(ippNewRequest) X(ippPort) X(ippGetCollection)
// clang-format on

struct CupsLibrary {
#define SD_CUPS_POINTER(name) decltype(&::name) name = nullptr;
    SD_CUPS_FUNCTIONS(SD_CUPS_POINTER)
#undef SD_CUPS_POINTER
    bool loaded = false;
};

CupsLibrary openCups() {
    CupsLibrary library;
    // Kept open for the rest of the run, like any library the program links.
    void* handle = dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) return library;
    bool complete = true;
#define SD_CUPS_RESOLVE(name)                                                      \
    library.name = reinterpret_cast<decltype(library.name)>(dlsym(handle, #name)); \
    complete = complete && library.name != nullptr;
    SD_CUPS_FUNCTIONS(SD_CUPS_RESOLVE)
#undef SD_CUPS_RESOLVE
    library.loaded = complete;
    return library;
}

const CupsLibrary& cups() {
    static const CupsLibrary library = openCups();
    return library;
}

struct HttpCloser {
    void operator()(http_t* http) const { cups().httpClose(http); }
};
using Connection = std::unique_ptr<http_t, HttpCloser>;

struct IppDeleter {
    void operator()(ipp_t* ipp) const { cups().ippDelete(ipp); }
};
using Response = std::unique_ptr<ipp_t, IppDeleter>;

QString lastCupsError() {
    return QString::fromUtf8(cups().cupsLastErrorString());
}

PrintResult failure(PrintOutcome outcome, QString detail) {
    return {outcome, std::move(detail)};
}

// Why a request to the service failed. libcups reports a connection it cannot make or lost as
// "service unavailable"; whatever else the service says no to, it said no to this job.
PrintResult requestFailure() {
    switch (cups().cupsLastError()) {
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
        return QString::fromUtf8(cups().ippEnumString("job-state", state));
    }
};

QString textOf(ipp_t* response, const char* name, ipp_tag_t tag) {
    ipp_attribute_t* a = cups().ippFindAttribute(response, name, tag);
    return a ? QString::fromUtf8(cups().ippGetString(a, 0, nullptr)) : QString();
}

// Asks the service for a few attributes of a job or a queue, or nothing when it does not answer.
template <std::size_t N>
Response query(http_t* http, ipp_op_t operation, const char* uriName, const char* path,
               const char* const (&wanted)[N]) {
    char uri[HTTP_MAX_URI];
    cups().httpAssembleURI(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost",
                           cups().ippPort(), path);
    ipp_t* request = cups().ippNewRequest(operation);
    cups().ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, uriName, nullptr, uri);
    cups().ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                        cups().cupsUser());
    cups().ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", N,
                         nullptr, wanted);
    // cupsDoRequest frees the request whatever happens.
    Response response(cups().cupsDoRequest(http, request, "/"));
    if (cups().cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE) response.reset();
    return response;
}

std::optional<JobStatus> jobStatus(http_t* http, int jobId) {
    static const char* const kWanted[] = {"job-state", "job-state-reasons", "job-state-message"};
    const QByteArray path = "/jobs/" + QByteArray::number(jobId);
    const Response response =
        query(http, IPP_OP_GET_JOB_ATTRIBUTES, "job-uri", path.constData(), kWanted);
    ipp_attribute_t* state =
        response ? cups().ippFindAttribute(response.get(), "job-state", IPP_TAG_ENUM) : nullptr;
    if (!state) return std::nullopt;
    JobStatus status;
    status.state = static_cast<ipp_jstate_t>(cups().ippGetInteger(state, 0));
    if (ipp_attribute_t* a =
            cups().ippFindAttribute(response.get(), "job-state-reasons", IPP_TAG_KEYWORD))
        for (int i = 0; i < cups().ippGetCount(a); ++i)
            status.reasons << QString::fromUtf8(cups().ippGetString(a, i, nullptr));
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
        response ? cups().ippFindAttribute(response.get(), "printer-state", IPP_TAG_ENUM) : nullptr;
    if (!state || cups().ippGetInteger(state, 0) != IPP_PSTATE_STOPPED) return std::nullopt;
    const QString message = textOf(response.get(), "printer-state-message", IPP_TAG_TEXT);
    return message.isEmpty() ? QStringLiteral("the queue is stopped") : message;
}

// What the service says of a job: its state, or failing that why it does not say.
JobCheck judge(http_t* http, const PrintJob& job) {
    const std::optional<JobStatus> status = jobStatus(http, job.id);
    if (!status) {
        // Jobs done long ago leave the service's history; a service that does not answer now
        // still has the job in its spool.
        if (cups().cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND) return {JobState::Printed, {}};
        return {JobState::OnItsWay, {}};
    }
    std::optional<QString> stuck;
    switch (status->state) {
        case IPP_JSTATE_COMPLETED:
            return {JobState::Printed, {}};
        case IPP_JSTATE_CANCELED:
        case IPP_JSTATE_ABORTED:
            return {JobState::Failed, failure(PrintOutcome::Refused, status->describe())};
        // Neither comes out by itself: a stopped job, nor one on a stopped queue.
        case IPP_JSTATE_STOPPED:
            stuck = status->describe();
            break;
        case IPP_JSTATE_PENDING:
            stuck = queueStopped(http, job.queue.constData());
            break;
        case IPP_JSTATE_HELD:
        case IPP_JSTATE_PROCESSING:
            break;
    }
    if (!stuck) return {JobState::OnItsWay, {}};
    cups().cupsCancelJob2(http, job.queue.constData(), job.id, 0);
    return {JobState::Failed, failure(PrintOutcome::Refused, *stuck)};
}

// A connection of its own rather than libcups' shared default one, so that nothing stays open
// between prints. A local service answers at once; a remote one gets `patience` to connect and
// to answer each request.
Connection connectToService(std::chrono::milliseconds patience) {
    if (!cups().loaded) return nullptr;
    Connection http(cups().httpConnect2(cups().cupsServer(), cups().ippPort(), nullptr, AF_UNSPEC,
                                        cups().cupsEncryption(), 1,
                                        static_cast<int>(patience.count()), nullptr));
    if (http)
        cups().httpSetTimeout(http.get(), std::chrono::duration<double>(patience).count(), nullptr,
                              nullptr);
    return http;
}

// Handing a job over and asking for the printers may take a few seconds of a remote service;
// a look at a job that goes on by itself must not hold the window up.
constexpr std::chrono::milliseconds kRequestPatience{5000};
constexpr std::chrono::milliseconds kLookPatience{500};

}  // namespace

std::vector<InstalledPrinter> installedPrinters() {
    std::vector<InstalledPrinter> printers;
    const Connection http = connectToService(kRequestPatience);
    if (!http) return printers;
    cups_dest_t* dests = nullptr;
    const int count = cups().cupsGetDests2(http.get(), &dests);
    for (int i = 0; i < count; ++i)
        if (dests[i].instance ==
            nullptr)  // a queue's saved option sets are no printers of their own
            printers.push_back({QString::fromUtf8(dests[i].name), dests[i].is_default != 0});
    cups().cupsFreeDests(count, dests);
    return printers;
}

std::optional<QPageLayout> queuePageLayout(const QString& queue) {
    const Connection http = connectToService(kRequestPatience);
    if (!http) return std::nullopt;
    static const char* const kWanted[] = {"media-col-default"};
    const QByteArray path = "/printers/" + queue.toUtf8();
    const Response response =
        query(http.get(), IPP_OP_GET_PRINTER_ATTRIBUTES, "printer-uri", path.constData(), kWanted);
    ipp_attribute_t* media = response ? cups().ippFindAttribute(response.get(), "media-col-default",
                                                                IPP_TAG_BEGIN_COLLECTION)
                                      : nullptr;
    ipp_t* defaults = media ? cups().ippGetCollection(media, 0) : nullptr;
    ipp_attribute_t* sizeAttribute =
        defaults ? cups().ippFindAttribute(defaults, "media-size", IPP_TAG_BEGIN_COLLECTION)
                 : nullptr;
    ipp_t* size = sizeAttribute ? cups().ippGetCollection(sizeAttribute, 0) : nullptr;
    // Lengths in hundredths of a millimetre; a margin the queue does not give is none.
    const auto millimetres = [](ipp_t* collection, const char* name) {
        ipp_attribute_t* a =
            collection ? cups().ippFindAttribute(collection, name, IPP_TAG_INTEGER) : nullptr;
        return a ? std::max(0, cups().ippGetInteger(a, 0)) / 100.0 : 0.0;
    };
    const QSizeF paper(millimetres(size, "x-dimension"), millimetres(size, "y-dimension"));
    if (paper.isEmpty()) return std::nullopt;
    const QMarginsF margins(
        millimetres(defaults, "media-left-margin"), millimetres(defaults, "media-top-margin"),
        millimetres(defaults, "media-right-margin"), millimetres(defaults, "media-bottom-margin"));
    return QPageLayout(QPageSize(paper, QPageSize::Millimeter), QPageLayout::Portrait, margins,
                       QPageLayout::Millimeter);
}

Submission submitPdf(const QString& queue, const QString& pdfPath, const QString& title) {
    const auto refused = [](PrintResult why) { return Submission{std::nullopt, std::move(why)}; };
    if (!QFileInfo(pdfPath).isReadable())
        return refused(
            failure(PrintOutcome::Refused, QStringLiteral("cannot read %1").arg(pdfPath)));
    if (!cups().loaded)
        return refused(
            failure(PrintOutcome::ServiceUnreachable, QStringLiteral("libcups is missing")));

    const Connection http = connectToService(kRequestPatience);
    if (!http) return refused(failure(PrintOutcome::ServiceUnreachable, lastCupsError()));

    // Resolved first: for a queue that does not exist, printing itself goes looking for network
    // printers and reports whatever that search ran into. No name means the default queue.
    const QByteArray wanted = queue.toUtf8();
    cups_dest_t* dest = cups().cupsGetNamedDest(
        http.get(), wanted.isEmpty() ? nullptr : wanted.constData(), nullptr);
    if (!dest) {
        PrintResult why = requestFailure();
        if (why.outcome != PrintOutcome::ServiceUnreachable) why.outcome = PrintOutcome::NoPrinter;
        return refused(why);
    }
    const QByteArray name = dest->name;
    cups().cupsFreeDests(1, dest);

    cups_option_t* options = nullptr;
    const int optionCount = cups().cupsAddOption("document-format", "application/pdf", 0, &options);
    const int jobId =
        cups().cupsPrintFile2(http.get(), name.constData(), QFile::encodeName(pdfPath).constData(),
                              title.toUtf8().constData(), optionCount, options);
    cups().cupsFreeOptions(optionCount, options);
    if (jobId == 0) return refused(requestFailure());
    return {PrintJob{name, jobId}, {}};
}

JobCheck checkJob(const PrintJob& job) {
    const Connection http = connectToService(kLookPatience);
    if (!http) return {JobState::OnItsWay, {}};
    return judge(http.get(), job);
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
