// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/cups/print_service.h"

#include <cups/cups.h>
#include <dlfcn.h>

#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QSizeF>
#include <QStringList>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace sd {

namespace {

// libcups is opened when the program first prints, not linked: linked, it would bring its TLS,
// Kerberos and Avahi libraries into every start of the program, printing or not.
// clang-format off
#define SD_CUPS_FUNCTIONS(X) \
    X(cupsAddOption) X(cupsGetDests2) X(cupsCancelJob2) X(cupsDoRequest) X(cupsEncryption) \
    X(cupsFreeDests) X(cupsFreeOptions) X(cupsLastError) \
    X(cupsLastErrorString) X(cupsPrintFile2) X(cupsServer) X(cupsUser) X(httpAssembleURI) \
    X(httpClose) X(httpConnect2) X(httpError) X(httpSetTimeout) X(ippAddString) X(ippAddStrings) \
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

struct IppDeleter {
    void operator()(ipp_t* ipp) const { cups().ippDelete(ipp); }
};
using Response = std::unique_ptr<ipp_t, IppDeleter>;

// A connection of its own rather than libcups' shared default one, so that nothing stays open
// between prints. The service gets the patience to connect and to answer each request; the wait
// for an answer is cut into short ticks, after each of which the patience says whether to go on,
// so that a call gives up soon once the program ends.
class Connection {
  public:
    explicit Connection(const Patience& patience) : patience_(patience) {
        if (!cups().loaded || cancelled()) return;
        renew();
        http_.reset(cups().httpConnect2(cups().cupsServer(), cups().ippPort(), nullptr, AF_UNSPEC,
                                        cups().cupsEncryption(), 1,
                                        static_cast<int>(patience_.each.count()), nullptr));
        if (http_) cups().httpSetTimeout(http_.get(), kTickSeconds, &Connection::keepWaiting, this);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    explicit operator bool() const { return http_ != nullptr; }
    http_t* get() const { return http_.get(); }
    // The connection for one more request, which gets the whole patience again.
    http_t* request() {
        renew();
        return http_.get();
    }

  private:
    static constexpr double kTickSeconds = 0.1;

    struct HttpCloser {
        void operator()(http_t* http) const { cups().httpClose(http); }
    };

    bool cancelled() const { return patience_.cancelled != nullptr && *patience_.cancelled; }
    void renew() { deadline_ = std::chrono::steady_clock::now() + patience_.each; }
    static int keepWaiting(http_t* /*http*/, void* self) {
        const auto& connection = *static_cast<const Connection*>(self);
        return !connection.cancelled() && std::chrono::steady_clock::now() < connection.deadline_;
    }

    Patience patience_;
    std::chrono::steady_clock::time_point deadline_;
    std::unique_ptr<http_t, HttpCloser> http_;
};

QString lastCupsError() {
    return QString::fromUtf8(cups().cupsLastErrorString());
}

PrintResult failure(PrintOutcome outcome, QString detail) {
    return {outcome, std::move(detail)};
}

// Whether the service said nothing to the last request: it could not be reached, or did not
// answer in time. The connection's own error tells, since libcups may leave the status of an
// earlier request in place when no answer came at all.
bool silent(http_t* http) {
    return cups().httpError(http) != 0 ||
           cups().cupsLastError() == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE;
}

// Why a request to the service failed: no answer, no such queue, or a no to this job.
PrintResult requestFailure(http_t* http) {
    if (silent(http)) return failure(PrintOutcome::ServiceUnreachable, lastCupsError());
    if (cups().cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND)
        return failure(PrintOutcome::NoPrinter, lastCupsError());
    return failure(PrintOutcome::Refused, lastCupsError());
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

// The name of the queue that prints what is sent to `wanted`, the default queue when it is empty;
// nothing when there is none, and cupsLastError says why. Asked as plain requests, which give up
// with the connection's patience.
std::optional<QByteArray> queueName(http_t* http, const QByteArray& wanted) {
    static const char* const kWanted[] = {"printer-name"};
    const QByteArray path = wanted.isEmpty() ? QByteArray("/") : "/printers/" + wanted;
    const Response response =
        query(http, wanted.isEmpty() ? IPP_OP_CUPS_GET_DEFAULT : IPP_OP_GET_PRINTER_ATTRIBUTES,
              "printer-uri", path.constData(), kWanted);
    const QString name =
        response ? textOf(response.get(), "printer-name", IPP_TAG_NAME) : QString();
    if (name.isEmpty()) return std::nullopt;
    return name.toUtf8();
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
JobCheck judge(Connection& http, const PrintJob& job) {
    const std::optional<JobStatus> status = jobStatus(http.request(), job.id);
    if (!status) {
        // Jobs done long ago leave the service's history; a service that does not answer now
        // still has the job in its spool.
        if (requestFailure(http.get()).outcome == PrintOutcome::NoPrinter)
            return {JobState::Printed, {}};
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
            stuck = queueStopped(http.request(), job.queue.constData());
            break;
        case IPP_JSTATE_HELD:
        case IPP_JSTATE_PROCESSING:
            break;
    }
    if (!stuck) return {JobState::OnItsWay, {}};
    cups().cupsCancelJob2(http.request(), job.queue.constData(), job.id, 0);
    return {JobState::Failed, failure(PrintOutcome::Refused, *stuck)};
}

}  // namespace

std::optional<std::vector<InstalledPrinter>> installedPrinters(const Patience& patience) {
    Connection http(patience);
    if (!http) return std::nullopt;
    cups_dest_t* dests = nullptr;
    const int count = cups().cupsGetDests2(http.request(), &dests);
    // A service with no queue answers "not found"; one that says nothing lists nothing.
    const bool answered = count > 0 || !silent(http.get());
    std::vector<InstalledPrinter> printers;
    for (int i = 0; i < count; ++i)
        if (dests[i].instance ==
            nullptr)  // a queue's saved option sets are no printers of their own
            printers.push_back({QString::fromUtf8(dests[i].name), dests[i].is_default != 0});
    cups().cupsFreeDests(count, dests);
    if (!answered) return std::nullopt;
    return printers;
}

QueuePage queuePageLayout(const QString& queue, const Patience& patience) {
    Connection http(patience);
    if (!http) return {};
    static const char* const kWanted[] = {"media-col-default"};
    const QByteArray path = "/printers/" + queue.toUtf8();
    const Response response = query(http.request(), IPP_OP_GET_PRINTER_ATTRIBUTES, "printer-uri",
                                    path.constData(), kWanted);
    if (!response && silent(http.get())) return {};
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
    if (paper.isEmpty()) return {true, std::nullopt};
    const QMarginsF margins(
        millimetres(defaults, "media-left-margin"), millimetres(defaults, "media-top-margin"),
        millimetres(defaults, "media-right-margin"), millimetres(defaults, "media-bottom-margin"));
    return {true, QPageLayout(QPageSize(paper, QPageSize::Millimeter), QPageLayout::Portrait,
                              margins, QPageLayout::Millimeter)};
}

Submission submitPdf(const QString& queue, const QString& pdfPath, const QString& title,
                     const Patience& patience) {
    const auto refused = [](PrintResult why) { return Submission{std::nullopt, std::move(why)}; };
    if (!QFileInfo(pdfPath).isReadable())
        return refused(
            failure(PrintOutcome::Refused, QStringLiteral("cannot read %1").arg(pdfPath)));
    if (!cups().loaded)
        return refused(
            failure(PrintOutcome::ServiceUnreachable, QStringLiteral("libcups is missing")));

    Connection http(patience);
    if (!http) return refused(failure(PrintOutcome::ServiceUnreachable, lastCupsError()));

    // Resolved first: for a queue that does not exist, printing itself goes looking for network
    // printers and reports whatever that search ran into. No name means the default queue.
    const std::optional<QByteArray> name = queueName(http.request(), queue.toUtf8());
    if (!name) {
        PrintResult why = requestFailure(http.get());
        if (why.outcome != PrintOutcome::ServiceUnreachable) why.outcome = PrintOutcome::NoPrinter;
        return refused(why);
    }

    cups_option_t* options = nullptr;
    const int optionCount = cups().cupsAddOption("document-format", "application/pdf", 0, &options);
    const int jobId = cups().cupsPrintFile2(http.request(), name->constData(),
                                            QFile::encodeName(pdfPath).constData(),
                                            title.toUtf8().constData(), optionCount, options);
    cups().cupsFreeOptions(optionCount, options);
    if (jobId == 0) return refused(requestFailure(http.get()));
    return {PrintJob{*name, jobId}, {}};
}

JobCheck checkJob(const PrintJob& job, const Patience& patience) {
    Connection http(patience);
    if (!http) return {JobState::OnItsWay, {}};
    return judge(http, job);
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

struct PrintServiceThread::Shared {
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<Task> tasks;                            // under the mutex
    std::chrono::milliseconds each = Patience{}.each;  // under the mutex
    QObject* receiver = nullptr;                       // under the mutex; cleared before it goes
    bool ending = false;                               // under the mutex
    std::atomic<bool> cancelled{false};
};

PrintServiceThread::PrintServiceThread(QObject& receiver) : shared_(std::make_shared<Shared>()) {
    shared_->receiver = &receiver;
}

PrintServiceThread::~PrintServiceThread() {
    std::deque<Task> dropped;
    {
        const std::lock_guard lock(shared_->mutex);
        shared_->ending = true;
        shared_->receiver = nullptr;
        dropped.swap(shared_->tasks);
    }
    shared_->cancelled = true;
    shared_->wake.notify_all();
}

void PrintServiceThread::setPatience(std::chrono::milliseconds each) {
    const std::lock_guard lock(shared_->mutex);
    shared_->each = each;
}

void PrintServiceThread::post(Task task) {
    {
        const std::lock_guard lock(shared_->mutex);
        shared_->tasks.push_back(std::move(task));
    }
    if (!started_) {
        started_ = true;
        // Detached: the thread holds what it shares, and nothing ever waits for it.
        std::thread([shared = shared_] { serve(shared); }).detach();
    }
    shared_->wake.notify_one();
}

void PrintServiceThread::serve(const std::shared_ptr<Shared>& shared) {
    const Deliver deliver = [&shared](std::function<void()> done) {
        const std::lock_guard lock(shared->mutex);
        if (shared->receiver != nullptr)
            QMetaObject::invokeMethod(shared->receiver, std::move(done), Qt::QueuedConnection);
    };
    for (;;) {
        Task task;
        Patience patience{.cancelled = &shared->cancelled};
        {
            std::unique_lock lock(shared->mutex);
            shared->wake.wait(lock, [&] { return shared->ending || !shared->tasks.empty(); });
            if (shared->ending) return;
            task = std::move(shared->tasks.front());
            shared->tasks.pop_front();
            patience.each = shared->each;
        }
        task(patience, deliver);
    }
}

}  // namespace sd
