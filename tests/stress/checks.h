// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "exercise/operativo_model.h"

#include <QString>

#include <array>
#include <optional>
#include <set>

namespace sd {
struct DrillState;
}

namespace sd::stress {

// What is wrong with an Exercise record line, or nothing when it follows the column rules.
// `question` is the text of the question drawn for the line and `expected` its expected answer
// as stored; a judged line carries the pupil's answer, the mark, the correction and the seconds.
std::optional<QString> recordLineProblem(const QString& line, const QString& question,
                                         const QString& expected, bool judged);

// Follows the banks' draws through the random source they call, and the Drill state after
// every event: marks against draws, cycles, counters and record lines.
class DrawWatch {
  public:
    static constexpr int kDrawsPerCycle = 48;
    static constexpr int kQuestionsPerExercise = 10;

    // A bank of the state's exercise kind draws `choice` among `bound` free questions.
    void draw(const DrillState& state, int bound, int choice);

    // The state after an event; `exercise` is the exercise window's state while it is loaded.
    std::optional<QString> check(const DrillState& state,
                                 std::optional<WindowState> exercise) const;

    // The first thing that went wrong during a draw.
    const std::optional<QString>& drawProblem() const { return drawProblem_; }
    int draws() const { return draws_; }

  private:
    struct Asked {
        QString question;
        QString expected;
    };

    std::optional<QString> countersProblem(const DrillState& state,
                                           std::optional<WindowState> exercise) const;
    void fail(const QString& problem);

    std::set<int> cycle_;                         // numbers drawn since the marks were last cleared
    std::array<std::optional<Asked>, 46> lines_;  // the question drawn for each record line
    std::optional<QString> drawProblem_;
    int draws_ = 0;
};

}  // namespace sd::stress
