// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stress/checks.h"

#include "banks/algoritmi1.h"
#include "banks/question.h"
#include "exercise/record.h"
#include "state/clock.h"
#include "state/drill_state.h"

#include <gtest/gtest.h>

// Problems read as text in a failure.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace sd::stress {
namespace {

// Draws the first free question, and shows every draw to the watch as the stress driver does.
class FirstFree final : public RandomSource {
  public:
    FirstFree(const DrillState& state, DrawWatch& watch) : state_(state), watch_(watch) {}
    int below(int bound) override {
        watch_.draw(state_, bound, 0);
        return 0;
    }

  private:
    const DrillState& state_;
    DrawWatch& watch_;
};

class Checks : public ::testing::Test {
  protected:
    DrillState state;
    DrawWatch watch;
    FirstFree random{state, watch};

    Checks() { state.exerciseKind = 1; }

    // A question as the exercise window asks it: drawn, counted, its text on its record line.
    void ask() {
        Algoritmi1::NuovaDomanda(state, random);
        ++state.questionsAsked;
        state.exerciseRecord[static_cast<size_t>(state.questionsAsked)] =
            questionText(state.questionParts);
    }
    // Judged as the window judges, with the answer key `answer`, after `seconds`.
    void judge(const QString& answer, int seconds) {
        state.pupilAnswer = answer;
        const bool right = trimBlanks(answer) == trimBlanks(state.expectedAnswer);
        state.answerMark = right ? QStringLiteral(" ") : QStringLiteral("*");
        state.answerSeconds = seconds;
        state.answerSecondsText = QString::number(seconds);
        CalcolaSpazi(state);
        appendJudgement(state, right);
        ++(right ? state.rightAnswers : state.wrongAnswers);
    }
    QString& line(int k) { return state.exerciseRecord[static_cast<size_t>(k)]; }
};

TEST_F(Checks, JudgedLinesOfTheProgramFollowTheColumns) {
    ask();  // question 1, "Vale di più il  h  o la  da ?", expects " h "
    EXPECT_EQ(watch.check(state, WindowState::Answering), std::nullopt);
    judge(QStringLiteral("h"), 7);
    ask();
    judge(QStringLiteral("1.000"), 12);
    ask();
    EXPECT_EQ(watch.check(state, WindowState::Answering), std::nullopt);
    EXPECT_EQ(watch.check(state, std::nullopt), std::nullopt);
    EXPECT_EQ(state.wrongAnswers, 1);
    EXPECT_EQ(line(2).mid(70, 7), QStringLiteral(" 1.000*"));
}

TEST_F(Checks, AColumnOutOfPlaceIsReported) {
    ask();
    judge(QStringLiteral("da"), 3);
    const QString question = questionText(*Algoritmi1::find(1));
    const QString good = line(1);
    ASSERT_EQ(recordLineProblem(good, question, QStringLiteral(" h "), true), std::nullopt);
    const auto problem = [&](const QString& bad) {
        return recordLineProblem(bad, question, QStringLiteral(" h "), true).has_value();
    };
    EXPECT_TRUE(problem(QString(good).remove(40, 1)));                          // answer at 70
    EXPECT_TRUE(problem(QString(good).replace(76, 1, u' ')));                   // wrong, not marked
    EXPECT_TRUE(problem(QString(good).replace(77, 4, QStringLiteral("  h"))));  // correction
    EXPECT_TRUE(problem(good.left(good.size() - 2) + QStringLiteral("3")));     // " s.3"
    EXPECT_TRUE(problem(good + QStringLiteral(" s. 4")));                       // judged twice
    EXPECT_TRUE(recordLineProblem(question + u' ', question, QStringLiteral(" h "), false));
    EXPECT_TRUE(recordLineProblem(good, question, QStringLiteral(" h "), false));
}

TEST_F(Checks, CountersMustMatchTheQuestionsAsked) {
    ask();
    judge(QStringLiteral("h"), 1);
    EXPECT_EQ(watch.check(state, WindowState::Answered), std::nullopt);
    // Judged, yet the window still waits for the answer.
    EXPECT_TRUE(watch.check(state, WindowState::Answering));
    ++state.rightAnswers;
    EXPECT_TRUE(watch.check(state, std::nullopt));
    --state.rightAnswers;
    state.questionsAsked = 11;
    EXPECT_TRUE(watch.check(state, std::nullopt));
}

TEST_F(Checks, MarksMustFollowTheDraws) {
    ask();
    judge(QStringLiteral("h"), 2);
    ask();
    EXPECT_EQ(watch.check(state, std::nullopt), std::nullopt);
    state.usedMarks[1].clear();  // a mark lost: the count no longer matches
    EXPECT_TRUE(watch.check(state, std::nullopt));
    state.usedMarks[1] = kUsedMark;
    state.usedMarks[2].clear();
    state.usedMarks[5] = kUsedMark;  // right count, wrong question
    EXPECT_TRUE(watch.check(state, std::nullopt));
}

TEST_F(Checks, ARepeatedQuestionIsReported) {
    ask();
    ask();
    state.usedMarks[1].clear();  // question 1 looks free again, with the count intact
    state.usedMarks[7] = kUsedMark;
    ask();
    ASSERT_TRUE(watch.drawProblem());
    EXPECT_TRUE(watch.drawProblem()->contains(QStringLiteral("question 1 drawn twice")));
}

TEST_F(Checks, ACycleClearedBeforeItsEndIsReported) {
    for (int i = 0; i < 5; ++i) ask();
    state.clearUsedMarks();
    state.questionsAsked = 0;
    ask();
    ASSERT_TRUE(watch.drawProblem());
    EXPECT_TRUE(watch.drawProblem()->contains(QStringLiteral("after 5 draws")));
}

TEST_F(Checks, AWholeCycleMayStartAgain) {
    for (int i = 0; i < DrawWatch::kDrawsPerCycle; ++i) {
        state.questionsAsked = 0;
        ask();
    }
    EXPECT_EQ(watch.check(state, std::nullopt), std::nullopt);
    state.clearUsedMarks();  // "REINIZIA"
    state.questionsAsked = 0;
    ask();
    EXPECT_EQ(watch.drawProblem(), std::nullopt);
    EXPECT_EQ(watch.check(state, std::nullopt), std::nullopt);
    EXPECT_EQ(watch.draws(), DrawWatch::kDrawsPerCycle + 1);
}

}  // namespace
}  // namespace sd::stress
