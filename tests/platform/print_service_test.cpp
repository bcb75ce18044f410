// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/cups/print_service.h"

#include "support/spooler.h"

#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

// Against a private cupsd started by tests/printing/spooler.sh, never the machine's own print
// set-up. Its queues write what they print into a file: "cattura" and the default "predefinita"
// print, "rifiuta" refuses jobs, "ferma" is paused, "rotta" cannot open its file.

namespace sd {
namespace {

using test::run;

test::PrivateSpooler spool;

QString samplePdf() {
    const QString path = QString::fromStdString(spool.dir() + "/sample.pdf");
    QPdfWriter writer(path);
    QPainter painter(&writer);
    painter.setFont(QFont(QStringLiteral("Liberation Mono"), 12));
    painter.drawText(QPointF(800, 1600), QStringLiteral("ATTESTATO 4 5 6"));
    return path;
}

PrintResult outcomeOf(const QString& queue, const QString& pdf, const QString& title = {}) {
    const Submission submitted = submitPdf(queue, pdf, title);
    if (!submitted.job) return submitted.failure;
    JobCheck check;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return (check = checkJob(*submitted.job)).state != JobState::OnItsWay; }, 10000));
    return check.state == JobState::Printed ? PrintResult{PrintOutcome::Printed, {}}
                                            : check.failure;
}

class PrintService : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        spool.startWith({"cattura", "predefinita", "rifiuta", "ferma"}, "predefinita");
        if (HasFatalFailure()) return;
        spool.addQueue("rotta", spool.dir() + "/missing/rotta.pdf");
        spool.command("reject", "rifiuta");
        spool.command("pause", "ferma");
        pdf = samplePdf();
    }
    static void TearDownTestSuite() { spool.clean(); }
    static inline QString pdf;
};

TEST_F(PrintService, APrintedPdfArrivesUnchangedInTheQueuesFile) {
    struct Case {
        QString queue;
        const char* file;
    };
    for (const Case& c : {Case{QStringLiteral("cattura"), "cattura"}, Case{{}, "predefinita"}}) {
        SCOPED_TRACE(c.file);
        const PrintResult result = outcomeOf(c.queue, pdf, QStringLiteral("Attestato"));
        ASSERT_EQ(result.outcome, PrintOutcome::Printed) << result.detail.toStdString();
        EXPECT_TRUE(result.detail.isEmpty());
        QFile sent(pdf), printed(QString::fromStdString(spool.output(c.file)));
        ASSERT_TRUE(sent.open(QIODevice::ReadOnly) && printed.open(QIODevice::ReadOnly));
        EXPECT_EQ(printed.readAll(), sent.readAll());
        EXPECT_NE(
            run("pdftotext -fixed 7.2 " + spool.output(c.file) + " -").find("ATTESTATO 4 5 6"),
            std::string::npos);
    }
}

TEST_F(PrintService, AJobThatCannotPrintIsAFailureAndLeavesNothingQueued) {
    struct Case {
        const char* queue;
        PrintOutcome outcome;
    };
    for (const Case& c : {Case{"rifiuta", PrintOutcome::Refused},
                          {"ferma", PrintOutcome::Refused},
                          {"rotta", PrintOutcome::Refused},
                          {"nessuna", PrintOutcome::NoPrinter}}) {
        SCOPED_TRACE(c.queue);
        const PrintResult result = outcomeOf(QString::fromLatin1(c.queue), pdf);
        EXPECT_EQ(result.outcome, c.outcome) << result.detail.toStdString();
        EXPECT_FALSE(result.detail.isEmpty());
        EXPECT_EQ(run(std::string("lpstat -o ") + c.queue + " 2>/dev/null"), "");
    }
}

TEST_F(PrintService, AStoppedServiceIsUnreachableEvenForTheDefaultQueue) {
    spool.command("stop");
    for (const QString& queue : {QStringLiteral("cattura"), QString()}) {
        const PrintResult result = outcomeOf(queue, pdf);
        EXPECT_EQ(result.outcome, PrintOutcome::ServiceUnreachable) << result.detail.toStdString();
    }
    spool.command("start");
}

// Each call gives up after its patience and says that the service does not answer; the calls run
// on the service's own thread, whose libcups reads the server anew.
TEST(SilentPrintService, EveryCallGivesUpAndSaysTheServiceDoesNotAnswer) {
    const test::SilentService silent;
    const QByteArray before = qgetenv("CUPS_SERVER");
    qputenv("CUPS_SERVER", QByteArray::fromStdString(silent.server()));
    QObject receiver;
    PrintServiceThread service(receiver);
    service.setPatience(std::chrono::milliseconds(1000));
    struct Case {
        const char* call;
        std::function<bool(const Patience&)> unanswered;
    };
    const QString pdf = QStringLiteral(SD_SPOOLER);  // any readable file
    for (const Case& c : {
             Case{"list", [](const Patience& p) { return !installedPrinters(p).has_value(); }},
             Case{"page", [](const Patience& p) { return !queuePageLayout("aula", p).answered; }},
             Case{"submit",
                  [&](const Patience& p) {
                      return submitPdf("aula", pdf, "x", p).failure.outcome ==
                             PrintOutcome::ServiceUnreachable;
                  }},
             Case{"default",
                  [&](const Patience& p) {
                      return submitPdf({}, pdf, "x", p).failure.outcome ==
                             PrintOutcome::ServiceUnreachable;
                  }},
             Case{"look",
                  [](const Patience& p) {
                      return checkJob({"aula", 1}, p).state == JobState::OnItsWay;
                  }},
         }) {
        SCOPED_TRACE(c.call);
        std::optional<bool> result;
        service.run<bool>(c.unanswered, [&](bool r) { result = r; });
        EXPECT_TRUE(QTest::qWaitFor([&] { return result.has_value(); }, 20000));
        EXPECT_EQ(result, true);
    }
    qputenv("CUPS_SERVER", before);
}

TEST(PrintFailureMessage, EachFailureHasItsOwnMessage) {
    EXPECT_TRUE(printFailureMessage(PrintOutcome::Printed).isEmpty());
    const QString noPrinter = printFailureMessage(PrintOutcome::NoPrinter);
    const QString unreachable = printFailureMessage(PrintOutcome::ServiceUnreachable);
    const QString refused = printFailureMessage(PrintOutcome::Refused);
    for (const QString& text : {noPrinter, unreachable, refused}) EXPECT_FALSE(text.isEmpty());
    EXPECT_NE(noPrinter, unreachable);
    EXPECT_NE(noPrinter, refused);
    EXPECT_NE(unreachable, refused);
}

}  // namespace
}  // namespace sd
