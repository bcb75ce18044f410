// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "banks/question.h"

#include <span>

namespace sd {
struct DrillState;
class RandomSource;
}  // namespace sd

// The bank of the exercise on the unit and its multiples (hundred, ten, unit).
namespace sd::Algoritmi1 {

inline constexpr int kQuestionCount = 48;

std::span<const QuestionRow> rows();
const QuestionRow* find(int number);

// Draws a free question, marks and counts it, and writes its number, its five parts
// (part 5 always empty) and its expected answer into the state.
void NuovaDomanda(DrillState& state, RandomSource& random);

}  // namespace sd::Algoritmi1
