// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/record.h"
#include "banks/question.h"
#include "operativo_fixture.h"

namespace sd::test {
namespace {

TEST(AnswerSeconds, RoundDownAndCrossMidnight) {
    EXPECT_EQ(answerSecondsBetween(100.4F, 105.39F), 4);
    EXPECT_EQ(answerSecondsBetween(10.0F, 22.6F), 12);
    EXPECT_EQ(answerSecondsBetween(50.0F, 50.0F), 0);
    // Shown a second before midnight, answered two seconds after it.
    EXPECT_EQ(answerSecondsBetween(86399.0F, 2.0F), 3);
}

TEST(TimeLabels, CapAt99And999) {
    DrillState state;
    state.exerciseNumber = 1;
    state.answerStartTime = 0.0F;
    measureAnswer(state, 98.9);
    EXPECT_EQ(answerSecondsLabel(state), QStringLiteral("98"));
    state.answerStartTime = 0.0F;
    measureAnswer(state, 99.0);
    EXPECT_EQ(answerSecondsLabel(state), QStringLiteral("99"));
    EXPECT_EQ(state.answerSecondsText, QStringLiteral("99"));
    state.answerStartTime = 0.0F;
    measureAnswer(state, 801.0);
    EXPECT_EQ(state.exerciseSeconds, 998);
    EXPECT_EQ(exerciseSecondsLabel(state), QStringLiteral("998"));
    state.answerStartTime = 0.0F;
    measureAnswer(state, 1.0);
    EXPECT_EQ(exerciseSecondsLabel(state), QStringLiteral("999"));
    EXPECT_EQ(state.exerciseTimes[1], QStringLiteral("999"));
}

TEST(CalcolaSpazi, FillsFollowTheTrimmedLengths) {
    DrillState state;
    state.questionsAsked = 1;
    state.exerciseRecord[1] = QString(65, u'x');
    const struct {
        const char* answer;
        int answerFill;
        const char* expected;
        int expectedFill;
    } cases[] = {{"1.000", 1, " 1.000 ", 0}, {"100", 3, " 100 ", 2}, {"da", 4, "da", 3},
                 {"h", 5, " h ", 4},         {"", 0, "", 0},         {"verifica", 0, "1.0000", 0}};
    for (const auto& c : cases) {
        state.pupilAnswer = QString::fromUtf8(c.answer);
        state.expectedAnswer = QString::fromUtf8(c.expected);
        CalcolaSpazi(state);
        EXPECT_EQ(state.answerFill, QString(c.answerFill, u' ')) << c.answer;
        EXPECT_EQ(state.expectedFill, QString(c.expectedFill, u' ')) << c.expected;
        EXPECT_EQ(state.questionFill, QString(5, u' '));
    }
    state.exerciseRecord[1] = QString(71, u'x');
    state.answerSeconds = 10;
    CalcolaSpazi(state);
    EXPECT_TRUE(state.questionFill.isEmpty());
    EXPECT_TRUE(state.secondsFill.isEmpty());
    state.answerSeconds = 9;
    CalcolaSpazi(state);
    EXPECT_EQ(state.secondsFill, QStringLiteral(" "));
}

// Record lines written through the exercise window's own judging.
class RecordLines : public OperativoTest {};

TEST_F(RecordLines, RightAnswerShownAtOneHundredPointFour) {
    clock.now = 100.4;
    open(1, {3});  // "Vale di più la  da  o l'  u ?", expects "da"
    const QString question = record(1);
    clock.now = 105.39;
    answer(QStringLiteral("da"));
    EXPECT_EQ(view().tempoOperazione, QStringLiteral("4"));
    EXPECT_EQ(view().tempoEsercizio, QStringLiteral("4"));
    const QString expected = question + QString(70 - question.size(), u' ') +
                             QStringLiteral("    da") + QStringLiteral(" ") + QString(7, u' ') +
                             QStringLiteral(" s. 4");
    EXPECT_EQ(record(1), expected);
    EXPECT_EQ(record(1).size(), 89);
    EXPECT_EQ(record(1).mid(70, 6), QStringLiteral("    da"));
}

TEST_F(RecordLines, TwelveSecondsRunOnFromTheLabel) {
    clock.now = 1000.0;
    open(1, {1});
    clock.now = 1012.6;
    answer(QStringLiteral("h"));
    EXPECT_TRUE(record(1).endsWith(QStringLiteral(" s.12")));
    EXPECT_EQ(view().tempoOperazione, QStringLiteral("12"));
}

TEST_F(RecordLines, OneHundredFiftySecondsShowAs99ButAreRecordedWhole) {
    clock.now = 2000.0;
    open(1, {1});
    clock.now = 2150.0;
    answer(QStringLiteral("h"));
    EXPECT_EQ(view().tempoOperazione, QStringLiteral("99"));
    EXPECT_TRUE(record(1).endsWith(QStringLiteral(" s.150")));
    EXPECT_EQ(state.exerciseTimes[1], QStringLiteral("150"));
}

TEST_F(RecordLines, WrongHundredToOneThousandKeepsTheStoredBlanks) {
    open(2, {51});  // expects " 1.000 "
    const QString question = record(1);
    clock.now = 3.0;
    answer(QStringLiteral("100"));
    const QString expected = question + QString(70 - question.size(), u' ') +
                             QStringLiteral("   100*") + QStringLiteral(" 1.000 ") +
                             QStringLiteral(" s. 3");
    EXPECT_EQ(record(1), expected);
    EXPECT_EQ(view().correzione, QStringLiteral(" 1.000 "));
}

TEST_F(RecordLines, WrongAnswerToUnpaddedExpectationEndsTwoShort) {
    open(1, {3});  // expects "da", stored without blanks
    answer(QStringLiteral("h"));
    const QString tail = record(1).mid(70);
    EXPECT_EQ(tail, QStringLiteral("     h*   da s. 0"));
}

TEST_F(RecordLines, LongestQuestionGetsFiveBlanksAndTheAnswerAtColumn71) {
    open(1, {28});
    ASSERT_EQ(record(1).size(), 65);
    answer(QStringLiteral("10"));
    EXPECT_EQ(record(1).mid(65, 5), QString(5, u' '));
    EXPECT_EQ(record(1).mid(70, 6), QStringLiteral("    10"));
    EXPECT_EQ(record(1).mid(76, 1), QStringLiteral(" "));
    EXPECT_EQ(record(1).mid(84, 3), QStringLiteral(" s."));
}

TEST_F(RecordLines, AnAnswerAcrossMidnightTakesTheSecondsItReallyTook) {
    clock.now = 86395.0;
    open(1, {1});
    clock.now = 5.0;
    answer(QStringLiteral("h"));
    EXPECT_EQ(state.answerSeconds, 10);
    EXPECT_EQ(view().tempoOperazione, QStringLiteral("10"));
    EXPECT_TRUE(record(1).endsWith(QStringLiteral(" s.10")));
}

TEST_F(RecordLines, TenAnswersOfOneHundredSecondsCapTheExerciseLabel) {
    open(1);
    for (int i = 1; i <= 10; ++i) {
        clock.now += 100.0;
        answer(trimBlanks(state.expectedAnswer));
        if (i == 9) {
            EXPECT_EQ(view().tempoEsercizio, QStringLiteral("900"));
        }
        if (i < 10) model->AzioneTasto(kKeyAvanti);
    }
    EXPECT_EQ(view().tempoEsercizio, QStringLiteral("999"));
    EXPECT_EQ(state.exerciseTimes[1], QStringLiteral("1000"));
    EXPECT_EQ(state.exerciseNumber, 2);
    EXPECT_EQ(state.exerciseSeconds, 0);
}

}  // namespace
}  // namespace sd::test
