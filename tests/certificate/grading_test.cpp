// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "certificate/grading.h"

#include "state/drill_state.h"

#include <gtest/gtest.h>

namespace sd {
namespace {

struct GradeCase {
    int right;
    int asked;
    int value;
    const char* word;
};

class GradingTable : public ::testing::TestWithParam<GradeCase> {};

TEST_P(GradingTable, GradeValueAndWordFollowTheShareOfRightAnswers) {
    const GradeCase c = GetParam();
    DrillState state;
    state.rightAnswers = static_cast<int16_t>(c.right);
    state.questionsAsked = static_cast<int16_t>(c.asked);
    EXPECT_EQ(gradeValue(state.rightAnswers, state.questionsAsked), c.value);
    const bool printable = gradeResult(state);
    EXPECT_EQ(state.grade, QString::fromUtf8(c.word));
    EXPECT_EQ(printable, state.grade != QStringLiteral("Non classificato"));
}

INSTANTIATE_TEST_SUITE_P(
    TenQuestionsAndShortExercises, GradingTable,
    ::testing::Values(GradeCase{10, 10, 10, "OTTIMO"}, GradeCase{9, 10, 9, "OTTIMO"},
                      GradeCase{8, 10, 8, "DISTINTO"}, GradeCase{7, 10, 7, "BUONO"},
                      GradeCase{6, 10, 6, "SUFFICIENTE"}, GradeCase{5, 10, 5, "SUFFICIENTE (!)"},
                      GradeCase{4, 10, 4, "Non classificato"},
                      GradeCase{0, 10, 0, "Non classificato"}, GradeCase{3, 3, 10, "OTTIMO"},
                      GradeCase{2, 3, 6, "SUFFICIENTE"}, GradeCase{1, 3, 3, "Non classificato"},
                      GradeCase{4, 7, 5, "SUFFICIENTE (!)"}, GradeCase{5, 7, 7, "BUONO"},
                      GradeCase{0, 1, 0, "Non classificato"},
                      // No question asked: no share, grade value 0.
                      GradeCase{0, 0, 0, "Non classificato"},
                      // More right answers than questions: a value above 10 is not a grade.
                      GradeCase{4, 3, 13, "Non classificato"},
                      // Ten times the right answers leaves the 16-bit range: value stays 0.
                      GradeCase{4000, 4000, 0, "Non classificato"}));

TEST(Grading, PrintabilityIsAnExactComparison) {
    EXPECT_FALSE(isPrintable(QStringLiteral("Non classificato")));
    EXPECT_TRUE(isPrintable(QStringLiteral("NON CLASSIFICATO")));
    EXPECT_TRUE(isPrintable(QStringLiteral("SUFFICIENTE (!)")));
}

TEST(Grading, GradingOverwritesThePreviousGrade) {
    DrillState state;
    state.grade = QStringLiteral("OTTIMO");
    state.questionsAsked = 10;
    state.rightAnswers = 1;
    EXPECT_FALSE(gradeResult(state));
    EXPECT_EQ(state.grade, QStringLiteral("Non classificato"));
}

}  // namespace
}  // namespace sd
