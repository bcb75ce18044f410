// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The stress driver: a real program on the offscreen platform, driven by random real key and
// mouse events, its invariants checked after every event.
//
//   stress [--seed S] [--events N] [--from K] [--trace]
//
// runs events K to N-1 of seed S (the events of a seed are fixed, so any tail replays as it ran)
// in a child process and, when an invariant breaks or the program crashes, looks for the shortest
// tail of events that still does it and prints it. Printing goes to a private print service.

#include "platform/fonts.h"
#include "platform/style.h"
#include "stress/driver.h"

#include <QApplication>
#include <QSet>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <random>
#include <string>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

using sd::stress::Driver;

struct Arguments {
    uint64_t seed = 0;
    uint64_t from = 0;
    uint64_t to = 10000;
    bool child = false;
    bool trace = false;
};

std::optional<Arguments> parse(int argc, char** argv) {
    Arguments arguments;
    bool seeded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string flag = argv[i];
        const auto value = [&]() -> std::optional<uint64_t> {
            if (i + 1 >= argc) return std::nullopt;
            char* end = nullptr;
            const uint64_t number = std::strtoull(argv[++i], &end, 10);
            if (end == nullptr || *end != '\0') return std::nullopt;
            return number;
        };
        std::optional<uint64_t> number;
        if (flag == "--child") {
            arguments.child = true;
        } else if (flag == "--trace") {
            arguments.trace = true;
        } else if (flag == "--seed" && (number = value())) {
            arguments.seed = *number;
            seeded = true;
        } else if (flag == "--events" && (number = value())) {
            arguments.to = *number;
        } else if (flag == "--from" && (number = value())) {
            arguments.from = *number;
        } else {
            return std::nullopt;
        }
    }
    if (!seeded) arguments.seed = std::random_device()() % 1000000;
    if (arguments.from > arguments.to) return std::nullopt;
    return arguments;
}

// ---- the child: one run of the events in this process

// "@result crash N" straight to the output, whatever state the process is in.
void reportCrash() {
    char line[64] = "@result crash ";
    char digits[24];
    int n = 0;
    uint64_t index = Driver::current();
    do {
        digits[n++] = static_cast<char>('0' + index % 10);
        index /= 10;
    } while (index > 0);
    size_t length = std::strlen(line);
    while (n > 0) line[length++] = digits[--n];
    line[length++] = '\n';
    [[maybe_unused]] const ssize_t written = write(STDOUT_FILENO, line, length);
}

void onFatalSignal(int signal) {
    reportCrash();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// The toolkit's warnings once each; the test library's note on every event nobody took, never.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    static QSet<QString> said;
    if (message.contains(QLatin1String("not accepted by receiving widget"))) return;
    if (said.contains(message) || said.size() > 50) return;
    said.insert(message);
    std::fprintf(stderr, "qt: %s\n", qPrintable(message));
    if (type == QtFatalMsg) std::abort();
}

int runChild(int argc, char** argv, const Arguments& arguments) {
    setvbuf(stdout, nullptr, _IOLBF, 0);
    for (const int signal : {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL})
        std::signal(signal, onFatalSignal);
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback(reportCrash);
#endif
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setStyle(sd::programStyle());
    sd::installFontSubstitutes();
    qInstallMessageHandler(quietMessages);

    Driver driver({.seed = arguments.seed,
                   .from = arguments.from,
                   .to = arguments.to,
                   .trace = arguments.trace});
    driver.run();

    const double seconds = driver.seconds();
    std::printf(
        "stress: seed %llu, events %llu to %llu: %llu events in %.1f s, %.0f events per "
        "second, %d ends, %d questions drawn\n",
        static_cast<unsigned long long>(arguments.seed),
        static_cast<unsigned long long>(arguments.from),
        static_cast<unsigned long long>(arguments.to),
        static_cast<unsigned long long>(driver.eventsSent()), seconds,
        seconds > 0 ? static_cast<double>(driver.eventsSent()) / seconds : 0.0, driver.ends(),
        driver.draws());
    QString opened;
    for (const auto& [name, count] : driver.opened())
        opened += QStringLiteral(" %1 %2,").arg(name.section(QStringLiteral("::"), -1)).arg(count);
    std::printf("stress: windows opened:%s\n",
                qPrintable(opened.chopped(opened.isEmpty() ? 0 : 1)));
    QString states;
    for (const auto& [name, count] : driver.exerciseStates())
        states += QStringLiteral(" %1 %2,").arg(name).arg(count);
    std::printf("stress: exercise window states:%s\n",
                qPrintable(states.chopped(states.isEmpty() ? 0 : 1)));
    for (const auto& [text, count] : driver.messages())
        std::printf("stress: message \"%s\" %d times\n", qPrintable(text.simplified()), count);
    if (const auto& violation = driver.violation()) {
        std::printf("stress: VIOLATION at event %llu: %s: %s\n",
                    static_cast<unsigned long long>(violation->index), qPrintable(violation->rule),
                    qPrintable(violation->detail));
        std::printf("@result violation %llu %s\n",
                    static_cast<unsigned long long>(violation->index), qPrintable(violation->rule));
        return 3;
    }
    std::printf("@result ok\n");
    return 0;
}

// ---- the supervisor: runs the child, and shrinks what it found

struct Outcome {
    enum Kind { Ok, Violation, Crash } kind = Crash;
    std::optional<uint64_t> index;
    std::string rule;  // of a violation
    bool same(const Outcome& other) const { return kind == other.kind && rule == other.rule; }
};

std::string self() {
    char path[4096];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    return n > 0 ? std::string(path, static_cast<size_t>(n)) : std::string("stress");
}

Outcome runEvents(uint64_t seed, uint64_t from, uint64_t to, bool echo, bool trace = false) {
    const std::string command = "exec '" + self() + "' --child --seed " + std::to_string(seed) +
                                " --from " + std::to_string(from) + " --events " +
                                std::to_string(to) + (trace ? " --trace" : "") + " 2>&1";
    Outcome outcome;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return outcome;
    char* line = nullptr;
    size_t capacity = 0;
    while (getline(&line, &capacity, pipe) > 0) {
        const std::string text(line);
        if (text.rfind("@result ", 0) == 0) {
            char kind[32] = {};
            unsigned long long index = 0;
            char rule[256] = {};
            const int fields =
                std::sscanf(text.c_str(), "@result %31s %llu %255[^\n]", kind, &index, rule);
            outcome.kind = std::strcmp(kind, "ok") == 0          ? Outcome::Ok
                           : std::strcmp(kind, "violation") == 0 ? Outcome::Violation
                                                                 : Outcome::Crash;
            if (fields >= 2) outcome.index = index;
            outcome.rule = rule;
        } else if (echo) {
            std::fputs(text.c_str(), stdout);
            std::fflush(stdout);
        }
    }
    std::free(line);
    const int status = pclose(pipe);
    // A run that did not end well is a crash, whatever it said before.
    const bool clean = WIFEXITED(status) && (WEXITSTATUS(status) == 0 || WEXITSTATUS(status) == 3);
    if (!clean && outcome.kind != Outcome::Crash) outcome = {Outcome::Crash, std::nullopt, {}};
    if (clean && WEXITSTATUS(status) == 0 && outcome.kind != Outcome::Ok)
        outcome = {Outcome::Crash, std::nullopt, {}};
    if (echo && !WIFEXITED(status))
        std::printf("stress: the program died of signal %d\n", WTERMSIG(status));
    return outcome;
}

// The shortest tail of events, up to the failing one, that fails the same way on a fresh
// program: tails of 1, 2, 4... events until one does, then halving the gap. Returns its first
// event and, through `end`, the event after the one that failed in it; nothing when not even the
// whole run fails again.
std::optional<uint64_t> shortestTail(const Arguments& arguments, const Outcome& found,
                                     uint64_t& end) {
    std::optional<uint64_t> failedAt;
    const auto fails = [&](uint64_t length) {
        const uint64_t start = end - length;
        const Outcome outcome = runEvents(arguments.seed, start, end, false);
        const bool same = outcome.same(found);
        std::printf("stress:   events %llu to %llu: %s\n", static_cast<unsigned long long>(start),
                    static_cast<unsigned long long>(end - 1), same ? "fails" : "passes");
        if (same) failedAt = outcome.index;
        return same;
    };
    const uint64_t whole = end - arguments.from;
    uint64_t passes = 0;
    uint64_t failing = whole;
    for (uint64_t length = 1; length < whole; length *= 2) {
        if (fails(length)) {
            failing = length;
            break;
        }
        passes = length;
    }
    while (failing - passes > 1) {
        const uint64_t middle = passes + (failing - passes) / 2;
        if (fails(middle))
            failing = middle;
        else
            passes = middle;
    }
    if (failing == whole && !fails(whole)) return std::nullopt;
    const uint64_t start = end - failing;
    // The shorter tail may fail sooner: it ends there, once that is confirmed.
    if (failing < whole && failedAt && *failedAt + 1 < end) {
        const uint64_t sooner = *failedAt + 1;
        if (runEvents(arguments.seed, start, sooner, false).same(found)) end = sooner;
    }
    return start;
}

// A private print service for the run: its own cupsd with two queues that print into files,
// found through CUPS_SERVER, which every print request of the program reads. Without one (cupsd
// needs root), CUPS_SERVER still points at its socket: printing fails and says so, and nothing
// reaches the machine's own printers.
class PrintService {
  public:
    PrintService() {
        if (const char* shared = std::getenv("SD_STRESS_CUPS")) {
            dir_ = shared;
            return;
        }
        char pattern[] = "/tmp/sd-stress-cups.XXXXXX";
        if (mkdtemp(pattern) == nullptr) return;
        dir_ = pattern;
        owned_ = true;
        chmod(pattern, 0711);  // the spooler's filters run as lp
        mkdir((dir_ + "/out").c_str(), 0755);
        setenv("CUPS_SERVER", (dir_ + "/cups.sock").c_str(), 1);
        setenv("SD_STRESS_CUPS", dir_.c_str(), 1);
        const bool up = spooler("start " + dir_ + " " + std::to_string(getpid())) &&
                        spooler("queue " + dir_ + " prima " + dir_ + "/out/prima.pdf") &&
                        spooler("queue " + dir_ + " seconda " + dir_ + "/out/seconda.pdf") &&
                        spooler("default " + dir_ + " prima");
        if (!up)
            std::printf("stress: no private print service (cupsd needs root); printing fails\n");
    }
    ~PrintService() {
        if (owned_) spooler("clean " + dir_);
    }
    PrintService(const PrintService&) = delete;
    PrintService& operator=(const PrintService&) = delete;

    // Jobs the queues took, from the service's own log.
    int jobs() const {
        std::ifstream log(dir_ + "/log/access_log");
        int count = 0;
        for (std::string line; std::getline(log, line);)
            if (line.find("Create-Job successful") != std::string::npos) ++count;
        return count;
    }

  private:
    static bool spooler(const std::string& arguments) {
        const std::string command = "bash " SD_SPOOLER " " + arguments + " >/dev/null 2>&1";
        return std::system(command.c_str()) == 0;
    }
    std::string dir_;
    bool owned_ = false;
};

int supervise(const Arguments& arguments) {
    setvbuf(stdout, nullptr, _IOLBF, 0);
    std::printf("stress: seed %llu, events %llu to %llu\n",
                static_cast<unsigned long long>(arguments.seed),
                static_cast<unsigned long long>(arguments.from),
                static_cast<unsigned long long>(arguments.to));
    const PrintService printing;
    const Outcome outcome =
        runEvents(arguments.seed, arguments.from, arguments.to, true, arguments.trace);
    std::printf("stress: %d print jobs\n", printing.jobs());
    if (outcome.kind == Outcome::Ok) {
        std::printf("stress: 0 failures\n");
        return 0;
    }

    const uint64_t last = outcome.index.value_or(arguments.to - 1);
    std::printf("stress: 1 failure: seed %llu, event %llu: %s\n",
                static_cast<unsigned long long>(arguments.seed),
                static_cast<unsigned long long>(last),
                outcome.kind == Outcome::Crash ? "crash" : outcome.rule.c_str());
    std::printf("stress: looking for the shortest tail of events that does it again\n");
    uint64_t end = last + 1;
    const std::optional<uint64_t> tail = shortestTail(arguments, outcome, end);
    if (!tail) {
        std::printf("stress: it did not happen again on a replay of the whole run\n");
        return 1;
    }
    const uint64_t start = *tail;
    std::printf(
        "stress: shortest tail: events %llu to %llu (%llu events); replay with\n"
        "    stress --seed %llu --from %llu --events %llu --trace\n",
        static_cast<unsigned long long>(start), static_cast<unsigned long long>(end - 1),
        static_cast<unsigned long long>(end - start),
        static_cast<unsigned long long>(arguments.seed), static_cast<unsigned long long>(start),
        static_cast<unsigned long long>(end));
    if (end - start <= 300) {
        std::printf("stress: the tail's events:\n");
        runEvents(arguments.seed, start, end, true, true);
    }
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<Arguments> arguments = parse(argc, argv);
    if (!arguments) {
        std::fprintf(stderr, "usage: stress [--seed S] [--events N] [--from K] [--trace]\n");
        return 2;
    }
    return arguments->child ? runChild(argc, argv, *arguments) : supervise(*arguments);
}
