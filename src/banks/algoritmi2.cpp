// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "banks/algoritmi2.h"

#include "banks/question.h"
#include "state/drill_state.h"

namespace sd::Algoritmi2 {
namespace {

// The 96 questions on the unit and its submultiples.
constexpr std::array<QuestionRow, kQuestionCount> kRows{{
    {1, {u"Vale di più l'", u" u ", u" o il", u" d ", u""}, u"u"},
    {2, {u"Vale di più l'", u" u ", u" o il", u" c ", u""}, u"u"},
    {3, {u"Vale di più l'", u" u ", u" o il", u" m ", u""}, u"u"},
    {4, {u"Vale di più il", u" d ", u" o il", u" c ", u""}, u"d"},
    {5, {u"Vale di più il", u" d ", u" o il", u" m ", u""}, u"d"},
    {6, {u"Vale di più il", u" c ", u" o il", u" m ", u""}, u"c"},
    {7, {u"Vale di più il", u" d ", u" o l'", u" u ", u""}, u"u"},
    {8, {u"Vale di più il", u" c ", u" o l'", u" u ", u""}, u"u"},
    {9, {u"Vale di più il", u" m ", u" o l'", u" u ", u""}, u"u"},
    {10, {u"Vale di più il", u" c ", u" o il", u" d ", u""}, u"d"},
    {11, {u"Vale di più il", u" m ", u" o il", u" d ", u""}, u"d"},
    {12, {u"Vale di più il", u" m ", u" o il", u" c ", u""}, u"c"},
    {13, {u"E' di meno l'", u" u ", u" o il", u" d ", u""}, u"d"},
    {14, {u"E' di meno l'", u" u ", u" o il", u" c ", u""}, u"c"},
    {15, {u"E' di meno l'", u" u ", u" o il", u" m ", u""}, u"m"},
    {16, {u"E' di meno il", u" d ", u" o il", u" c ", u""}, u"c"},
    {17, {u"E' di meno il", u" d ", u" o il", u" m ", u""}, u"m"},
    {18, {u"E' di meno il", u" c ", u" o il", u" m ", u""}, u"m"},
    {19, {u"E' di meno il", u" d ", u" o l'", u" u", u""}, u"d"},
    {20, {u"E' di meno il", u" c ", u" o l'", u" u ", u""}, u"c"},
    {21, {u"E' di meno il", u" m ", u" o l'", u" u ", u""}, u"m"},
    {22, {u"E' di meno il", u" c ", u" o il", u" d ", u""}, u" c "},
    {23, {u"E' di meno il", u" m ", u" o il", u" d ", u""}, u" m "},
    {24, {u"E' di meno il", u" m ", u" o il", u" c ", u""}, u" m "},
    {25, {u"Quante volte l'", u" u ", u" è più grande del", u" m ", u""}, u"1.000"},
    {26, {u"Quante volte l'", u" u ", u" è più grande del", u" c ", u""}, u"100"},
    {27, {u"Quante volte l'", u" u ", u" è più grande del", u" d ", u""}, u"10"},
    {28, {u"Quante volte il", u" c ", u" è più grande del", u" m ", u""}, u"10"},
    {29, {u"Quante volte il", u" d ", u" è più grande del", u" c ", u""}, u"10"},
    {30, {u"Quante volte il", u" d ", u" è più grande del", u" m ", u""}, u"100"},
    {31, {u"Quale valore è", u" 1.000 ", u" volte più grande del", u" m ", u""}, u"u"},
    {32, {u"Quale valore è", u" 100 ", u" volte più grande del", u" m ", u""}, u"d"},
    {33, {u"Quale valore è", u" 10 ", u" volte più grande del", u" m ", u""}, u"c"},
    {34, {u"Quale valore è", u" 100 ", u" volte più grande del", u" c ", u""}, u"u"},
    {35, {u"Quale valore è", u" 10 ", u"volte più grande del", u" c ", u""}, u"d"},
    {36, {u"Quale valore è", u" 10 ", u" volte più grande del", u" d ", u""}, u"u"},
    {37, {u"Quale valore è ", u" 1.000 ", u" volte meno grande dell'", u" u ", u""}, u"m"},
    {38, {u"Quale valore è ", u" 100 ", u" volte meno grande dell'", u" u ", u""}, u"c"},
    {39, {u"Quale valore è ", u" 10 ", u" volte meno grande dell'", u" u ", u""}, u"d"},
    {40, {u"Quale valore è ", u" 100 ", u" volte meno grande del", u" d ", u""}, u"m"},
    {41, {u"Quale valore è ", u" 10 ", u" volte meno grande del", u" d ", u""}, u"c"},
    {42, {u"Quale valore è ", u" 10 ", u" volte meno grande del", u" c ", u""}, u"m"},
    {43, {u"Quante volte il ", u" m ", u" è meno grande dell'", u" u ", u""}, u"1.000"},
    {44, {u"Quante volte il ", u" m ", u" è meno grande del", u" d ", u""}, u"100"},
    {45, {u"Quante volte il ", u" m ", u" è meno grande del", u" c ", u""}, u"10"},
    {46, {u"Quante volte il ", u" c ", u" è meno grande dell'", u" u ", u""}, u"100"},
    {47, {u"Quante volte il ", u" c ", u" è meno grande del", u" d ", u""}, u"10"},
    {48, {u"Quante volte il ", u" d ", u" è meno grande dell'", u" u ", u""}, u"10"},
    {49, {u"In quante parti uguali devo dividere l'", u" u ", u" per ottenere il ", u" d ", u""}, u"10"},
    {50, {u"In quante parti uguali devo dividere l'", u" u ", u" per ottenere il ", u" c ", u""}, u"100"},
    {51, {u"In quante parti uguali devo dividere l'", u" u ", u" per ottenere il ", u" m ", u""}, u" 1.000 "},
    {52, {u"In quante parti uguali devo dividere il", u" d ", u" per ottenere il ", u" c ", u""}, u" 10"},
    {53, {u"In quante parti uguali devo dividere il", u" d ", u" per ottenere il ", u" m ", u""}, u" 100 "},
    {54, {u"In quante parti uguali devo dividere il", u" c ", u" per ottenere il ", u" m ", u""}, u" 10 "},
    {55, {u"Cosa ho diviso in ", u" 1.000 ", u" per ottenere il ", u" m ", u""}, u" u "},
    {56, {u"Cosa ho diviso in ", u" 100 ", u" per ottenere il ", u" m ", u""}, u" d "},
    {57, {u"Cosa ho diviso in ", u" 10 ", u" per ottenere il ", u" m ", u""}, u" c "},
    {58, {u"Cosa ho diviso in ", u" 100 ", u" per ottenere il ", u" c ", u""}, u" u "},
    {59, {u"Cosa ho diviso in ", u" 10 ", u" per ottenere il ", u" c ", u""}, u" d "},
    {60, {u"Cosa ho diviso in ", u" 10 ", u" per ottenere il ", u" d ", u""}, u" u "},
    {61, {u"Quanti ", u" m ", u"devo unire per formare il ", u" c", u""}, u" 10 "},
    {62, {u"Quanti ", u" m ", u"devo unire per formare il ", u" d", u""}, u" 100 "},
    {63, {u"Quanti ", u" m ", u"devo unire per formare l' ", u" u", u""}, u" 1.000 "},
    {64, {u"Quanti ", u" c ", u"devo unire per formare il ", u" d", u""}, u" 10 "},
    {65, {u"Quanti ", u" c ", u"devo unire per formare l' ", u" u", u""}, u" 100 "},
    {66, {u"Quanti ", u" d ", u"devo unire per formare l' ", u" u", u""}, u" 10 "},
    {67, {u"Se unisco ", u" 10 m ", u"cosa ottengo", u"", u""}, u" c "},
    {68, {u"Se unisco ", u" 100 m ", u"cosa ottengo", u"", u""}, u" d "},
    {69, {u"Se unisco ", u" 1.000 m ", u"cosa ottengo", u"", u""}, u" u "},
    {70, {u"Se unisco ", u" 10 c ", u"cosa ottengo", u"", u""}, u" d "},
    {71, {u"Se unisco ", u" 100 c ", u"cosa ottengo", u"", u""}, u" u "},
    {72, {u"Se unisco ", u" 10 d ", u"cosa ottengo", u"", u""}, u" u "},
    {73, {u"Quanti", u" m ", u"devo unire per ottenere il ", u" c ", u""}, u" 10 "},
    {74, {u"Quanti", u" m ", u"devo unire per ottenere il ", u" d ", u""}, u" 100 "},
    {75, {u"Quanti", u" m ", u"devo unire per ottenere l' ", u" u ", u""}, u" 1.000 "},
    {76, {u"Quanti", u" c ", u"devo unire per ottenere il ", u" d ", u""}, u" 10 "},
    {77, {u"Quanti", u" c ", u"devo unire per ottenere l' ", u" u ", u""}, u" 100 "},
    {78, {u"Quanti", u" d ", u"devo unire per ottenere l' ", u" u ", u""}, u" 10 "},
    {79, {u"Cosa ho unito", u" 1.000 ", u"volte per ottenere l' ", u" u ", u""}, u" m "},
    {80, {u"Cosa ho unito", u" 100 ", u"volte per ottenere il ", u" d ", u""}, u" m "},
    {81, {u"Cosa ho unito", u" 10 ", u"volte per ottenere il ", u" c ", u""}, u" m "},
    {82, {u"Cosa ho unito", u" 100 ", u"per ottenere l' ", u" u ", u""}, u" c "},
    {83, {u"Cosa ho unito", u" 10 ", u"volte per ottenere il ", u" d ", u""}, u" c "},
    {84, {u"Cosa ho unito", u" 10 ", u"volte per ottenere l' ", u" u ", u""}, u" d "},
    {85, {u"Come si chiama la", u" millesima", u"parte dell'", u" u ", u""}, u" m "},
    {86, {u"Come si chiama la", u" centesima ", u"parte dell'", u" u ", u""}, u" c "},
    {87, {u"Come si chiama la", u" decima ", u"parte dell'", u" u ", u""}, u" d "},
    {88, {u"Come si chiama la", u" centesima ", u"parte del", u" d ", u""}, u" m "},
    {89, {u"Come si chiama la", u" decima ", u"parte del", u" d ", u""}, u" c "},
    {90, {u"Come si chiama la", u" decima ", u"parte del", u" c ", u""}, u" m "},
    {91, {u"Se divido l'", u" u ", u" in", u" 10 ", u"parti uguali cosa ottengo"}, u" d "},
    {92, {u"Se divido l'", u" u ", u" in", u" 100 ", u"parti uguali cosa ottengo"}, u" c "},
    {93, {u"Se divido l'", u" u ", u" in", u" 1.000 ", u"parti uguali cosa ottengo"}, u" m "},
    {94, {u"Se divido il", u" d ", u" in", u" 10 ", u"parti uguali cosa ottengo"}, u" c "},
    {95, {u"Se divido il", u" d ", u" in", u" 100 ", u"parti uguali cosa ottengo"}, u" m "},
    {96, {u"Se divido il", u" c ", u" in", u" 10 ", u"parti uguali cosa ottengo"}, u" m "},}};

}  // namespace

std::span<const QuestionRow> rows() { return kRows; }

const QuestionRow* find(int number) { return findRow(kRows, number); }

void NuovaDomanda(DrillState& state, RandomSource& random) {
    const QuestionRow& row = drawFreeRow(state, kRows, random);
    // A whole cycle of this bank is 96 draws: the marks clear at once, and the question just
    // drawn is still the one asked.
    if (state.drawCount == kQuestionCount) {
        for (int i = 0; i <= kQuestionCount; ++i) state.usedMarks[static_cast<size_t>(i)].clear();
        state.drawCount = 0;
    }
    loadQuestion(state, row);
}

}  // namespace sd::Algoritmi2
