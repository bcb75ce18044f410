// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "state/drill_state.h"
#include "state/colours.h"

#include <gtest/gtest.h>

namespace sd {
namespace {

TEST(DrillState, StartsEmptyAndAtZero) {
    const DrillState state;
    EXPECT_EQ(state.exerciseKind, 0);
    EXPECT_EQ(state.drawCount, 0);
    EXPECT_EQ(state.usedMarkCount(), 0);
    EXPECT_TRUE(state.normalColour.isEmpty());
    EXPECT_TRUE(state.exerciseRecord[45].isEmpty());
    EXPECT_EQ(state.exerciseTimes.size(), 6U);
    EXPECT_EQ(state.exerciseRecord.size(), 46U);
    EXPECT_EQ(state.usedMarks.size(), 100U);
}

TEST(DrillState, UsedMarksAreTheTextSiAndClearWithTheCount) {
    DrillState state;
    state.markUsed(7);
    state.markUsed(99);
    state.markUsed(100);  // outside the marks: ignored
    state.drawCount = 2;
    EXPECT_EQ(state.usedMarks[7], QStringLiteral("si"));
    EXPECT_TRUE(state.isUsed(99));
    EXPECT_FALSE(state.isUsed(100));
    EXPECT_EQ(state.usedMarkCount(), 2);
    state.clearUsedMarks();
    EXPECT_EQ(state.usedMarkCount(), 0);
    EXPECT_EQ(state.drawCount, 0);
}

TEST(Colours, ImpostaColoriStoresBothColoursAsDecimalText) {
    DrillState state;
    ImpostaColori(state);
    EXPECT_EQ(state.normalColour, QStringLiteral("12251391"));
    EXPECT_EQ(state.highlightColour, QStringLiteral("9364991"));
    EXPECT_EQ(colourFromText(state.normalColour), (Rgb{255, 240, 186}));
    EXPECT_EQ(colourFromText(state.highlightColour), (Rgb{255, 229, 142}));
}

TEST(Colours, TextThatIsNoNumberGivesBlack) {
    EXPECT_EQ(colourFromText(QString()), (Rgb{0, 0, 0}));
    EXPECT_EQ(colourFromText(QStringLiteral("rosso")), (Rgb{0, 0, 0}));
    EXPECT_EQ(colourFromText(QStringLiteral("255")), (Rgb{255, 0, 0}));
}

}  // namespace
}  // namespace sd
