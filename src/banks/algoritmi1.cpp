// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "banks/algoritmi1.h"

#include "banks/question.h"
#include "state/drill_state.h"

namespace sd::Algoritmi1 {
namespace {

// The 48 questions on the unit and its multiples (there is no question 33).
constexpr std::array<QuestionRow, kQuestionCount> kRows{{
    {1, {u"Vale di più il ", u" h ", u" o la ", u" da ", u""}, u" h "},
    {2, {u"Vale di più il ", u" h ", u" o l' ", u" u ", u""}, u" h "},
    {3, {u"Vale di più la ", u" da ", u" o l' ", u" u ", u""}, u"da"},
    {4, {u"Vale di più la ", u" da ", u" o il ", u" h ", u""}, u" h "},
    {5, {u"Vale di più l' ", u" u ", u" o il ", u" h ", u""}, u"h"},
    {6, {u"Vale di più l' ", u" u ", u" o la ", u" da ", u""}, u" da "},
    {7, {u"Vale di meno il ", u" h ", u" o la ", u" da ", u""}, u" da "},
    {8, {u"Vale di meno il ", u" h ", u" o l' ", u" u ", u""}, u" u "},
    {9, {u"Vale di meno la ", u" da ", u" o l' ", u" u ", u""}, u" u "},
    {10, {u"Vale di meno la ", u" da ", u" o il ", u" h ", u""}, u"da"},
    {11, {u"Vale di meno l' ", u" u ", u" o il ", u" h ", u""}, u" u "},
    {12, {u"Vale di meno l' ", u" u ", u" o la ", u" da ", u""}, u" u "},
    {13, {u"Quante volte il ", u" h ", u" è più grande dell' ", u" u ", u""}, u" 100 "},
    {14, {u"Quante volte il ", u" h ", u" è più grande della ", u" da ", u""}, u" 10 "},
    {15, {u"Quante volte la ", u" da ", u" è più grande dell' ", u" u ", u""}, u"10"},
    {16, {u"Quale valore è ", u" 100 ", u" volte più grande dell' ", u" u ", u""}, u"h"},
    {17, {u"Quale valore è ", u" 10 ", u" volte più grande dell' ", u" u ", u""}, u"da"},
    {18, {u"Quale valore è ", u" 10 ", u" volte più grande della ", u" da ", u""}, u" h "},
    {19, {u"Quale valore è ", u" 100 ", u" volte meno grande del ", u" h ", u""}, u"u"},
    {20, {u"Quale valore è ", u" 10 ", u" volte meno grande del ", u" h ", u""}, u"da"},
    {21, {u"Quale valore è ", u" 10 ", u" volte meno grande della ", u" da ", u""}, u" u "},
    {22, {u"Quante volte l' ", u" u ", u" è meno grande del ", u" h ", u""}, u" 100 "},
    {23, {u"Quante volte l' ", u" u ", u" è meno grande della ", u" da ", u""}, u" 10 "},
    {24, {u"Quante volte la ", u" da ", u" è meno grande del ", u" h ", u""}, u" 10 "},
    {25, {u"Se divido il ", u" h ", u" in 10 parti uguali", u" ottengo ", u""}, u" da "},
    {26, {u"Se divido il ", u" h ", u" in 100 parti uguali", u" ottengo ", u""}, u" u "},
    {27, {u"Se divido la ", u" da ", u" in 10 parti uguali", u" ottengo ", u""}, u" u "},
    {28, {u"In quante parti uguali devo dividere il ", u" h ", u" per ottenere la ", u" da ", u""}, u"10"},
    {29, {u"In quante parti uguali devo dividere il ", u" h ", u" per ottenere l' ", u" u ", u""}, u"100"},
    {30, {u"In quante parti uguali devo dividere la ", u" da ", u" per ottenere l' ", u" u ", u""}, u"10"},
    {31, {u"Quale valore ho diviso in ", u" 10 ", u"parti uguali per ottenere l' ", u" u ", u""}, u"da"},
    {32, {u"Quale valore ho diviso in ", u" 100 ", u"parti uguali per ottenere l' ", u" u ", u""}, u"h"},
    {34, {u"Quale valore ho diviso in ", u" 10 ", u"parti uguali per ottenere la ", u" da ", u""}, u"h"},
    {35, {u"Quante ", u" u ", u"devo unire per formare la ", u" da ", u""}, u" 10 "},
    {36, {u"Quante ", u" u ", u"devo unire per formare il ", u" h ", u""}, u" 100 "},
    {37, {u"Quante ", u" da ", u"devo unire per formare il ", u" h ", u""}, u" 10 "},
    {38, {u"Se unisco ", u" 10 u ", u"che valore ottengo ", u"", u""}, u" da "},
    {39, {u"Se unisco ", u" 100 u ", u" che valore ottengo ", u"", u""}, u" h "},
    {40, {u"Se unisco ", u" 10 da ", u" che valore ottengo ", u"", u""}, u" h "},
    {41, {u"Quante ", u" u ", u"unisco per ottenere la ", u" da ", u""}, u"10 "},
    {42, {u"Quante ", u" u ", u"devo unire per ottenere il ", u" h ", u""}, u" 100 "},
    {43, {u"Quante ", u" da ", u"devo unire per ottenere il ", u" h ", u""}, u" 10 "},
    {44, {u"Quale valore ho unito ", u" 100 ", u"volte per ottenere il ", u" h ", u""}, u" u "},
    {45, {u"Quale valore ho unito ", u" 10 ", u"volte per ottenere la ", u" da ", u""}, u" u "},
    {46, {u"Quale valore ho unito ", u" 10 ", u"volte per ottenere il ", u" h ", u""}, u" da "},
    {47, {u"Come si chiama la ", u" centesima ", u"parte del ", u" h ", u""}, u" u "},
    {48, {u"Come si chiama la ", u" decima ", u" parte del", u" h ", u""}, u"da"},
    {49, {u"Come si chiama la ", u" decima ", u"parte della ", u" da ", u""}, u" u "},}};

}  // namespace

std::span<const QuestionRow> rows() { return kRows; }

const QuestionRow* find(int number) { return findRow(kRows, number); }

void NuovaDomanda(DrillState& state, RandomSource& random) {
    const QuestionRow& row = drawFreeRow(state, kRows, random);
    loadQuestion(state, row);
}

}  // namespace sd::Algoritmi1
