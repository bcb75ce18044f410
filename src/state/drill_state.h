// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace sd {

// The program-wide record that every window and both question banks read and write.
// It lives for the whole run and nothing of it is saved. Fields are plain members on
// purpose: a value written by one window is seen at once by every other.
struct DrillState {
    // Menu colours, as the decimal text of red + 256*green + 65536*blue.
    QString normalColour;
    QString highlightColour;

    // Exercise choice (0 before the first choice, 1 multiples, 2 submultiples) and titles.
    int16_t exerciseKind = 0;
    QString exerciseTitle;
    QString subjectTitle;
    QString topicTitle;

    // Current question, as written by the last draw of a bank.
    int16_t questionNumber = 0;
    std::array<QString, 5> questionParts;  // parts 1 to 5 at indexes 0 to 4
    QString expectedAnswer;

    // Draw state shared by both banks: "si" marks a number drawn in the current cycle.
    static constexpr int kMarkCount = 100;
    std::array<QString, kMarkCount> usedMarks;
    int16_t drawCount = 0;

    // Answer and counters of the exercise in progress.
    int16_t questionsAsked = 0;
    QString pupilAnswer;
    int16_t rightAnswers = 0;
    int16_t wrongAnswers = 0;
    QString answerMark;

    // Times, in seconds since midnight (single precision like the clock readings they hold).
    float answerStartTime = 0.0F;
    float answerEndTime = 0.0F;
    int answerSeconds = 0;
    QString answerSecondsText;
    int exerciseSeconds = 0;
    int16_t exerciseNumber = 0;
    std::array<QString, 6> exerciseTimes;  // slot k: total seconds of exercise k; slot 0 unused
    // A new exercise empties slots 1 to 4; leaving the print window empties slots 1 to 3.
    static constexpr int kTimesClearedAtRestart = 4;
    static constexpr int kTimesClearedOnLeavingPrint = 3;
    // Empties exercise-time slots 1 to `last`.
    void clearExerciseTimes(int last);

    // Exercise record: line k (1 to 10) describes the k-th question of the exercise.
    static constexpr int kRecordLines = 46;
    std::array<QString, kRecordLines> exerciseRecord;
    QString questionFill;
    QString answerFill;
    QString expectedFill;
    QString secondsFill;

    // Pupil and grade.
    QString pupilName;
    QString grade;

    void clearUsedMarks();
    int usedMarkCount() const;
    bool isUsed(int number) const;
    void markUsed(int number);
};

inline const QString kUsedMark = QStringLiteral("si");

}  // namespace sd
