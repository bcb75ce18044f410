// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "banks/algoritmi1.h"
#include "banks/algoritmi2.h"
#include "banks/question.h"
#include "state/clock.h"
#include "state/drill_state.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <ostream>
#include <set>
#include <span>
#include <vector>

// Readable failure messages for texts.
void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace sd {
namespace {

// One question as the pupil meets it: the shown text, the two parts shown in red and the
// expected answer as stored. These tables are written out independently of the banks' own rows,
// so a slip in either one shows up as a mismatch.
struct Expected {
    int number;
    const char16_t* shown;
    const char16_t* part2;
    const char16_t* part4;
    const char16_t* answer;
};

constexpr Expected kMultiples[] = {
    {1, u"Vale di più il  h  o la  da ?", u" h ", u" da ", u" h "},
    {2, u"Vale di più il  h  o l'  u ?", u" h ", u" u ", u" h "},
    {3, u"Vale di più la  da  o l'  u ?", u" da ", u" u ", u"da"},
    {4, u"Vale di più la  da  o il  h ?", u" da ", u" h ", u" h "},
    {5, u"Vale di più l'  u  o il  h ?", u" u ", u" h ", u"h"},
    {6, u"Vale di più l'  u  o la  da ?", u" u ", u" da ", u" da "},
    {7, u"Vale di meno il  h  o la  da ?", u" h ", u" da ", u" da "},
    {8, u"Vale di meno il  h  o l'  u ?", u" h ", u" u ", u" u "},
    {9, u"Vale di meno la  da  o l'  u ?", u" da ", u" u ", u" u "},
    {10, u"Vale di meno la  da  o il  h ?", u" da ", u" h ", u"da"},
    {11, u"Vale di meno l'  u  o il  h ?", u" u ", u" h ", u" u "},
    {12, u"Vale di meno l'  u  o la  da ?", u" u ", u" da ", u" u "},
    {13, u"Quante volte il  h  è più grande dell'  u ?", u" h ", u" u ", u" 100 "},
    {14, u"Quante volte il  h  è più grande della  da ?", u" h ", u" da ", u" 10 "},
    {15, u"Quante volte la  da  è più grande dell'  u ?", u" da ", u" u ", u"10"},
    {16, u"Quale valore è  100  volte più grande dell'  u ?", u" 100 ", u" u ", u"h"},
    {17, u"Quale valore è  10  volte più grande dell'  u ?", u" 10 ", u" u ", u"da"},
    {18, u"Quale valore è  10  volte più grande della  da ?", u" 10 ", u" da ", u" h "},
    {19, u"Quale valore è  100  volte meno grande del  h ?", u" 100 ", u" h ", u"u"},
    {20, u"Quale valore è  10  volte meno grande del  h ?", u" 10 ", u" h ", u"da"},
    {21, u"Quale valore è  10  volte meno grande della  da ?", u" 10 ", u" da ", u" u "},
    {22, u"Quante volte l'  u  è meno grande del  h ?", u" u ", u" h ", u" 100 "},
    {23, u"Quante volte l'  u  è meno grande della  da ?", u" u ", u" da ", u" 10 "},
    {24, u"Quante volte la  da  è meno grande del  h ?", u" da ", u" h ", u" 10 "},
    {25, u"Se divido il  h  in 10 parti uguali ottengo ?", u" h ", u" ottengo ", u" da "},
    {26, u"Se divido il  h  in 100 parti uguali ottengo ?", u" h ", u" ottengo ", u" u "},
    {27, u"Se divido la  da  in 10 parti uguali ottengo ?", u" da ", u" ottengo ", u" u "},
    {28, u"In quante parti uguali devo dividere il  h  per ottenere la  da ?", u" h ", u" da ",
     u"10"},
    {29, u"In quante parti uguali devo dividere il  h  per ottenere l'  u ?", u" h ", u" u ",
     u"100"},
    {30, u"In quante parti uguali devo dividere la  da  per ottenere l'  u ?", u" da ", u" u ",
     u"10"},
    {31, u"Quale valore ho diviso in  10 parti uguali per ottenere l'  u ?", u" 10 ", u" u ",
     u"da"},
    {32, u"Quale valore ho diviso in  100 parti uguali per ottenere l'  u ?", u" 100 ", u" u ",
     u"h"},
    {34, u"Quale valore ho diviso in  10 parti uguali per ottenere la  da ?", u" 10 ", u" da ",
     u"h"},
    {35, u"Quante  u devo unire per formare la  da ?", u" u ", u" da ", u" 10 "},
    {36, u"Quante  u devo unire per formare il  h ?", u" u ", u" h ", u" 100 "},
    {37, u"Quante  da devo unire per formare il  h ?", u" da ", u" h ", u" 10 "},
    {38, u"Se unisco  10 u che valore ottengo ?", u" 10 u ", u"", u" da "},
    {39, u"Se unisco  100 u  che valore ottengo ?", u" 100 u ", u"", u" h "},
    {40, u"Se unisco  10 da  che valore ottengo ?", u" 10 da ", u"", u" h "},
    {41, u"Quante  u unisco per ottenere la  da ?", u" u ", u" da ", u"10 "},
    {42, u"Quante  u devo unire per ottenere il  h ?", u" u ", u" h ", u" 100 "},
    {43, u"Quante  da devo unire per ottenere il  h ?", u" da ", u" h ", u" 10 "},
    {44, u"Quale valore ho unito  100 volte per ottenere il  h ?", u" 100 ", u" h ", u" u "},
    {45, u"Quale valore ho unito  10 volte per ottenere la  da ?", u" 10 ", u" da ", u" u "},
    {46, u"Quale valore ho unito  10 volte per ottenere il  h ?", u" 10 ", u" h ", u" da "},
    {47, u"Come si chiama la  centesima parte del  h ?", u" centesima ", u" h ", u" u "},
    {48, u"Come si chiama la  decima  parte del h ?", u" decima ", u" h ", u"da"},
    {49, u"Come si chiama la  decima parte della  da ?", u" decima ", u" da ", u" u "},
};

constexpr Expected kSubmultiples[] = {
    {1, u"Vale di più l' u  o il d ?", u" u ", u" d ", u"u"},
    {2, u"Vale di più l' u  o il c ?", u" u ", u" c ", u"u"},
    {3, u"Vale di più l' u  o il m ?", u" u ", u" m ", u"u"},
    {4, u"Vale di più il d  o il c ?", u" d ", u" c ", u"d"},
    {5, u"Vale di più il d  o il m ?", u" d ", u" m ", u"d"},
    {6, u"Vale di più il c  o il m ?", u" c ", u" m ", u"c"},
    {7, u"Vale di più il d  o l' u ?", u" d ", u" u ", u"u"},
    {8, u"Vale di più il c  o l' u ?", u" c ", u" u ", u"u"},
    {9, u"Vale di più il m  o l' u ?", u" m ", u" u ", u"u"},
    {10, u"Vale di più il c  o il d ?", u" c ", u" d ", u"d"},
    {11, u"Vale di più il m  o il d ?", u" m ", u" d ", u"d"},
    {12, u"Vale di più il m  o il c ?", u" m ", u" c ", u"c"},
    {13, u"E' di meno l' u  o il d ?", u" u ", u" d ", u"d"},
    {14, u"E' di meno l' u  o il c ?", u" u ", u" c ", u"c"},
    {15, u"E' di meno l' u  o il m ?", u" u ", u" m ", u"m"},
    {16, u"E' di meno il d  o il c ?", u" d ", u" c ", u"c"},
    {17, u"E' di meno il d  o il m ?", u" d ", u" m ", u"m"},
    {18, u"E' di meno il c  o il m ?", u" c ", u" m ", u"m"},
    {19, u"E' di meno il d  o l' u?", u" d ", u" u", u"d"},
    {20, u"E' di meno il c  o l' u ?", u" c ", u" u ", u"c"},
    {21, u"E' di meno il m  o l' u ?", u" m ", u" u ", u"m"},
    {22, u"E' di meno il c  o il d ?", u" c ", u" d ", u" c "},
    {23, u"E' di meno il m  o il d ?", u" m ", u" d ", u" m "},
    {24, u"E' di meno il m  o il c ?", u" m ", u" c ", u" m "},
    {25, u"Quante volte l' u  è più grande del m ?", u" u ", u" m ", u"1.000"},
    {26, u"Quante volte l' u  è più grande del c ?", u" u ", u" c ", u"100"},
    {27, u"Quante volte l' u  è più grande del d ?", u" u ", u" d ", u"10"},
    {28, u"Quante volte il c  è più grande del m ?", u" c ", u" m ", u"10"},
    {29, u"Quante volte il d  è più grande del c ?", u" d ", u" c ", u"10"},
    {30, u"Quante volte il d  è più grande del m ?", u" d ", u" m ", u"100"},
    {31, u"Quale valore è 1.000  volte più grande del m ?", u" 1.000 ", u" m ", u"u"},
    {32, u"Quale valore è 100  volte più grande del m ?", u" 100 ", u" m ", u"d"},
    {33, u"Quale valore è 10  volte più grande del m ?", u" 10 ", u" m ", u"c"},
    {34, u"Quale valore è 100  volte più grande del c ?", u" 100 ", u" c ", u"u"},
    {35, u"Quale valore è 10 volte più grande del c ?", u" 10 ", u" c ", u"d"},
    {36, u"Quale valore è 10  volte più grande del d ?", u" 10 ", u" d ", u"u"},
    {37, u"Quale valore è  1.000  volte meno grande dell' u ?", u" 1.000 ", u" u ", u"m"},
    {38, u"Quale valore è  100  volte meno grande dell' u ?", u" 100 ", u" u ", u"c"},
    {39, u"Quale valore è  10  volte meno grande dell' u ?", u" 10 ", u" u ", u"d"},
    {40, u"Quale valore è  100  volte meno grande del d ?", u" 100 ", u" d ", u"m"},
    {41, u"Quale valore è  10  volte meno grande del d ?", u" 10 ", u" d ", u"c"},
    {42, u"Quale valore è  10  volte meno grande del c ?", u" 10 ", u" c ", u"m"},
    {43, u"Quante volte il  m  è meno grande dell' u ?", u" m ", u" u ", u"1.000"},
    {44, u"Quante volte il  m  è meno grande del d ?", u" m ", u" d ", u"100"},
    {45, u"Quante volte il  m  è meno grande del c ?", u" m ", u" c ", u"10"},
    {46, u"Quante volte il  c  è meno grande dell' u ?", u" c ", u" u ", u"100"},
    {47, u"Quante volte il  c  è meno grande del d ?", u" c ", u" d ", u"10"},
    {48, u"Quante volte il  d  è meno grande dell' u ?", u" d ", u" u ", u"10"},
    {49, u"In quante parti uguali devo dividere l' u  per ottenere il  d ?", u" u ", u" d ", u"10"},
    {50, u"In quante parti uguali devo dividere l' u  per ottenere il  c ?", u" u ", u" c ",
     u"100"},
    {51, u"In quante parti uguali devo dividere l' u  per ottenere il  m ?", u" u ", u" m ",
     u" 1.000 "},
    {52, u"In quante parti uguali devo dividere il d  per ottenere il  c ?", u" d ", u" c ",
     u" 10"},
    {53, u"In quante parti uguali devo dividere il d  per ottenere il  m ?", u" d ", u" m ",
     u" 100 "},
    {54, u"In quante parti uguali devo dividere il c  per ottenere il  m ?", u" c ", u" m ",
     u" 10 "},
    {55, u"Cosa ho diviso in  1.000  per ottenere il  m ?", u" 1.000 ", u" m ", u" u "},
    {56, u"Cosa ho diviso in  100  per ottenere il  m ?", u" 100 ", u" m ", u" d "},
    {57, u"Cosa ho diviso in  10  per ottenere il  m ?", u" 10 ", u" m ", u" c "},
    {58, u"Cosa ho diviso in  100  per ottenere il  c ?", u" 100 ", u" c ", u" u "},
    {59, u"Cosa ho diviso in  10  per ottenere il  c ?", u" 10 ", u" c ", u" d "},
    {60, u"Cosa ho diviso in  10  per ottenere il  d ?", u" 10 ", u" d ", u" u "},
    {61, u"Quanti  m devo unire per formare il  c?", u" m ", u" c", u" 10 "},
    {62, u"Quanti  m devo unire per formare il  d?", u" m ", u" d", u" 100 "},
    {63, u"Quanti  m devo unire per formare l'  u?", u" m ", u" u", u" 1.000 "},
    {64, u"Quanti  c devo unire per formare il  d?", u" c ", u" d", u" 10 "},
    {65, u"Quanti  c devo unire per formare l'  u?", u" c ", u" u", u" 100 "},
    {66, u"Quanti  d devo unire per formare l'  u?", u" d ", u" u", u" 10 "},
    {67, u"Se unisco  10 m cosa ottengo?", u" 10 m ", u"", u" c "},
    {68, u"Se unisco  100 m cosa ottengo?", u" 100 m ", u"", u" d "},
    {69, u"Se unisco  1.000 m cosa ottengo?", u" 1.000 m ", u"", u" u "},
    {70, u"Se unisco  10 c cosa ottengo?", u" 10 c ", u"", u" d "},
    {71, u"Se unisco  100 c cosa ottengo?", u" 100 c ", u"", u" u "},
    {72, u"Se unisco  10 d cosa ottengo?", u" 10 d ", u"", u" u "},
    {73, u"Quanti m devo unire per ottenere il  c ?", u" m ", u" c ", u" 10 "},
    {74, u"Quanti m devo unire per ottenere il  d ?", u" m ", u" d ", u" 100 "},
    {75, u"Quanti m devo unire per ottenere l'  u ?", u" m ", u" u ", u" 1.000 "},
    {76, u"Quanti c devo unire per ottenere il  d ?", u" c ", u" d ", u" 10 "},
    {77, u"Quanti c devo unire per ottenere l'  u ?", u" c ", u" u ", u" 100 "},
    {78, u"Quanti d devo unire per ottenere l'  u ?", u" d ", u" u ", u" 10 "},
    {79, u"Cosa ho unito 1.000 volte per ottenere l'  u ?", u" 1.000 ", u" u ", u" m "},
    {80, u"Cosa ho unito 100 volte per ottenere il  d ?", u" 100 ", u" d ", u" m "},
    {81, u"Cosa ho unito 10 volte per ottenere il  c ?", u" 10 ", u" c ", u" m "},
    {82, u"Cosa ho unito 100 per ottenere l'  u ?", u" 100 ", u" u ", u" c "},
    {83, u"Cosa ho unito 10 volte per ottenere il  d ?", u" 10 ", u" d ", u" c "},
    {84, u"Cosa ho unito 10 volte per ottenere l'  u ?", u" 10 ", u" u ", u" d "},
    {85, u"Come si chiama la millesimaparte dell' u ?", u" millesima", u" u ", u" m "},
    {86, u"Come si chiama la centesima parte dell' u ?", u" centesima ", u" u ", u" c "},
    {87, u"Come si chiama la decima parte dell' u ?", u" decima ", u" u ", u" d "},
    {88, u"Come si chiama la centesima parte del d ?", u" centesima ", u" d ", u" m "},
    {89, u"Come si chiama la decima parte del d ?", u" decima ", u" d ", u" c "},
    {90, u"Come si chiama la decima parte del c ?", u" decima ", u" c ", u" m "},
    {91, u"Se divido l' u  in 10 parti uguali cosa ottengo?", u" u ", u" 10 ", u" d "},
    {92, u"Se divido l' u  in 100 parti uguali cosa ottengo?", u" u ", u" 100 ", u" c "},
    {93, u"Se divido l' u  in 1.000 parti uguali cosa ottengo?", u" u ", u" 1.000 ", u" m "},
    {94, u"Se divido il d  in 10 parti uguali cosa ottengo?", u" d ", u" 10 ", u" c "},
    {95, u"Se divido il d  in 100 parti uguali cosa ottengo?", u" d ", u" 100 ", u" m "},
    {96, u"Se divido il c  in 10 parti uguali cosa ottengo?", u" c ", u" 10 ", u" m "},
};

constexpr const char16_t* kSubmultiplesPart5 = u"parti uguali cosa ottengo";

using Bank = void (*)(DrillState&, RandomSource&);
constexpr Bank kMultiplesBank = &Algoritmi1::NuovaDomanda;
constexpr Bank kSubmultiplesBank = &Algoritmi2::NuovaDomanda;

QString text(const char16_t* literal) {
    return QString::fromUtf16(literal);
}

std::set<int> numbersOf(std::span<const Expected> bank) {
    std::set<int> numbers;
    for (const Expected& question : bank) numbers.insert(question.number);
    return numbers;
}

// Leaves `number` as the only free question of the bank, then draws.
void drawOnly(DrillState& state, std::span<const Expected> bank, int number, Bank draw) {
    for (const Expected& question : bank)
        if (question.number != number) state.markUsed(question.number);
    test::ScriptedRandom random;
    draw(state, random);
}

// Records the bound of every draw and picks a fixed index (modulo the bound).
class RecordingRandom final : public RandomSource {
  public:
    explicit RecordingRandom(int pick = 0) : pick_(pick) {}
    std::vector<int> bounds;
    int below(int bound) override {
        bounds.push_back(bound);
        return pick_ % bound;
    }

  private:
    int pick_;
};

void expectQuestionInState(const DrillState& state, const Expected& question) {
    EXPECT_EQ(state.questionNumber, question.number);
    EXPECT_EQ(questionText(state.questionParts), text(question.shown));
    EXPECT_EQ(state.questionParts[1], text(question.part2));
    EXPECT_EQ(state.questionParts[3], text(question.part4));
    EXPECT_EQ(state.expectedAnswer, text(question.answer));
}

// ---------------------------------------------------------------------------------------------
// The questions themselves

TEST(MultiplesBank, EveryQuestionIsDrawnExactlyAsWritten) {
    for (const Expected& question : kMultiples) {
        SCOPED_TRACE(question.number);
        DrillState state;
        state.questionParts.fill(QStringLiteral("leftover"));
        drawOnly(state, kMultiples, question.number, kMultiplesBank);
        expectQuestionInState(state, question);
        EXPECT_TRUE(state.questionParts[4].isEmpty());
    }
}

TEST(SubmultiplesBank, EveryQuestionIsDrawnExactlyAsWritten) {
    for (const Expected& question : kSubmultiples) {
        SCOPED_TRACE(question.number);
        DrillState state;
        state.questionParts.fill(QStringLiteral("leftover"));
        drawOnly(state, kSubmultiples, question.number, kSubmultiplesBank);
        expectQuestionInState(state, question);
        const bool dividesIntoParts = question.number >= 91;
        EXPECT_EQ(state.questionParts[4], dividesIntoParts ? text(kSubmultiplesPart5) : QString());
    }
}

TEST(MultiplesBank, HoldsFortyEightQuestionsWithoutNumberThirtyThree) {
    std::set<int> numbers;
    for (const QuestionRow& row : Algoritmi1::rows()) numbers.insert(row.number);
    EXPECT_EQ(numbers, numbersOf(kMultiples));
    EXPECT_EQ(Algoritmi1::rows().size(), 48U);
    EXPECT_EQ(Algoritmi1::find(33), nullptr);
    ASSERT_NE(Algoritmi1::find(34), nullptr);
    EXPECT_EQ(questionText(*Algoritmi1::find(34)),
              QStringLiteral("Quale valore ho diviso in  10 parti uguali per ottenere la  da ?"));
}

TEST(MultiplesBank, ShowsTheQuestionTextWithItsDoubledBlanks) {
    const std::map<int, QString> shown{
        {1, QStringLiteral("Vale di più il  h  o la  da ?")},
        {25, QStringLiteral("Se divido il  h  in 10 parti uguali ottengo ?")},
        {38, QStringLiteral("Se unisco  10 u che valore ottengo ?")},
    };
    for (const auto& [number, expected] : shown) {
        DrillState state;
        drawOnly(state, kMultiples, number, kMultiplesBank);
        EXPECT_EQ(questionText(state.questionParts), expected) << number;
    }
    for (const int number : {38, 39, 40}) {
        DrillState state;
        drawOnly(state, kMultiples, number, kMultiplesBank);
        EXPECT_TRUE(state.questionParts[3].isEmpty()) << number;
    }
}

TEST(SubmultiplesBank, ShowsTheQuestionTextExactlyAsItsPartsGiveIt) {
    const std::map<int, QString> shown{
        {1, QStringLiteral("Vale di più l' u  o il d ?")},
        {67, QStringLiteral("Se unisco  10 m cosa ottengo?")},
        {71, QStringLiteral("Se unisco  100 c cosa ottengo?")},
        {85, QStringLiteral("Come si chiama la millesimaparte dell' u ?")},
        {91, QStringLiteral("Se divido l' u  in 10 parti uguali cosa ottengo?")},
    };
    for (const auto& [number, expected] : shown) {
        DrillState state;
        drawOnly(state, kSubmultiples, number, kSubmultiplesBank);
        EXPECT_EQ(questionText(state.questionParts), expected) << number;
    }
}

// Every trimmed answer must be the caption of an answer key, or the pupil could never be right.
void expectAnswersAmongCaptions(Bank draw, int draws, const std::set<QString>& captions) {
    DrillState state;
    SeededRandom random(7U);
    for (int i = 0; i < draws; ++i) {
        draw(state, random);
        EXPECT_TRUE(captions.count(trimBlanks(state.expectedAnswer)) == 1)
            << state.questionNumber << " expects '" << state.expectedAnswer.toStdString() << "'";
    }
}

TEST(MultiplesBank, TrimmedAnswersAreCaptionsOfTheKeypad) {
    expectAnswersAmongCaptions(kMultiplesBank, 48,
                               {QStringLiteral("10"), QStringLiteral("100"), QStringLiteral("h"),
                                QStringLiteral("da"), QStringLiteral("u")});
}

TEST(SubmultiplesBank, TrimmedAnswersAreCaptionsOfTheKeypad) {
    expectAnswersAmongCaptions(
        kSubmultiplesBank, 96,
        {QStringLiteral("10"), QStringLiteral("100"), QStringLiteral("1.000"), QStringLiteral("u"),
         QStringLiteral("d"), QStringLiteral("c"), QStringLiteral("m")});
}

TEST(TrimBlanks, RemovesOnlyLeadingAndTrailingBlanks) {
    EXPECT_EQ(trimBlanks(QStringLiteral("10 ")), QStringLiteral("10"));
    EXPECT_EQ(trimBlanks(QStringLiteral("  1.000 ")), QStringLiteral("1.000"));
    EXPECT_EQ(trimBlanks(QStringLiteral(" 10 u ")), QStringLiteral("10 u"));
    EXPECT_EQ(trimBlanks(QStringLiteral("\tda\n")), QStringLiteral("\tda\n"));
    EXPECT_EQ(trimBlanks(QStringLiteral("   ")), QString());
    EXPECT_EQ(trimBlanks(QString()), QString());
}

TEST(QuestionParts, PartFiveIsEmptiedByTheNextQuestion) {
    DrillState state;
    drawOnly(state, kSubmultiples, 91, kSubmultiplesBank);
    ASSERT_EQ(state.questionParts[4], text(kSubmultiplesPart5));
    test::ScriptedRandom random;
    Algoritmi1::NuovaDomanda(state, random);
    EXPECT_TRUE(state.questionParts[4].isEmpty());

    drawOnly(state, kSubmultiples, 96, kSubmultiplesBank);
    ASSERT_FALSE(state.questionParts[4].isEmpty());
    drawOnly(state, kSubmultiples, 90, kSubmultiplesBank);
    EXPECT_TRUE(state.questionParts[4].isEmpty());
}

// ---------------------------------------------------------------------------------------------
// The draw without repeats

// The first draw can reach every question: each index of the free list gives another one.
void expectEveryIndexReachesAQuestion(Bank draw, std::span<const Expected> bank) {
    std::set<int> drawn;
    for (int index = 0; index < static_cast<int>(bank.size()); ++index) {
        DrillState state;
        RecordingRandom random(index);
        draw(state, random);
        ASSERT_EQ(random.bounds, std::vector<int>{static_cast<int>(bank.size())});
        drawn.insert(state.questionNumber);
    }
    EXPECT_EQ(drawn, numbersOf(bank));
}

TEST(Draw, FirstDrawCanReachEveryMultiplesQuestion) {
    expectEveryIndexReachesAQuestion(kMultiplesBank, kMultiples);
}

TEST(Draw, FirstDrawCanReachEverySubmultiplesQuestion) {
    expectEveryIndexReachesAQuestion(kSubmultiplesBank, kSubmultiples);
}

TEST(Draw, ChoosesAmongTheFreeNumbersOnly) {
    DrillState state;
    for (const int number : {1, 2, 3, 33, 49, 50, 96}) state.markUsed(number);
    RecordingRandom random(1000);
    Algoritmi1::NuovaDomanda(state, random);
    EXPECT_EQ(random.bounds.back(), 48 - 4);
    Algoritmi2::NuovaDomanda(state, random);
    EXPECT_EQ(random.bounds.back(), 96 - 7 - 1);
}

TEST(Draw, FullMultiplesCycleGivesEachQuestionOnce) {
    DrillState state;
    SeededRandom random(2024U);
    std::multiset<int> drawn;
    for (int i = 0; i < 48; ++i) {
        Algoritmi1::NuovaDomanda(state, random);
        drawn.insert(state.questionNumber);
        EXPECT_EQ(state.drawCount, i + 1);
        EXPECT_TRUE(state.isUsed(state.questionNumber));
    }
    EXPECT_EQ(std::set<int>(drawn.begin(), drawn.end()), numbersOf(kMultiples));
    EXPECT_EQ(drawn.size(), 48U);
    EXPECT_EQ(state.usedMarkCount(), 48);
    EXPECT_EQ(state.usedMarks[33], QString());
}

TEST(Draw, TheFortyEighthDrawGivesTheOneQuestionLeft) {
    for (const int pick : {0, 5, 47}) {
        DrillState state;
        SeededRandom random(static_cast<uint32_t>(pick + 11));
        std::set<int> left = numbersOf(kMultiples);
        for (int i = 0; i < 47; ++i) {
            Algoritmi1::NuovaDomanda(state, random);
            left.erase(state.questionNumber);
        }
        ASSERT_EQ(left.size(), 1U);
        RecordingRandom last(pick);
        Algoritmi1::NuovaDomanda(state, last);
        EXPECT_EQ(last.bounds, std::vector<int>{1});
        EXPECT_EQ(state.questionNumber, *left.begin());
        EXPECT_EQ(state.drawCount, 48);
    }
}

TEST(Draw, EveryFreeQuestionIsEquallyLikely) {
    DrillState start;
    for (const int number : {2, 4, 8, 16, 32, 34, 40, 41, 42, 43}) start.markUsed(number);
    const int freeCount = 48 - 10;
    const int perQuestion = 2000;
    SeededRandom random(987654U);
    std::map<int, int> counts;
    for (int i = 0; i < freeCount * perQuestion; ++i) {
        DrillState state = start;
        Algoritmi1::NuovaDomanda(state, random);
        ++counts[state.questionNumber];
    }
    EXPECT_EQ(static_cast<int>(counts.size()), freeCount);
    for (const auto& [number, count] : counts) {
        EXPECT_FALSE(start.isUsed(number)) << number;
        // The standard deviation is about 44; these bounds are seven of them.
        EXPECT_GT(count, perQuestion - 300) << number;
        EXPECT_LT(count, perQuestion + 300) << number;
    }
}

TEST(Draw, MarksAreSharedByNumberBetweenTheBanks) {
    DrillState state;
    SeededRandom random(31U);
    std::set<int> multiples;
    for (int i = 0; i < 30; ++i) {
        Algoritmi1::NuovaDomanda(state, random);
        multiples.insert(state.questionNumber);
    }
    for (int i = 0; i < 18; ++i) {
        Algoritmi2::NuovaDomanda(state, random);
        EXPECT_EQ(multiples.count(state.questionNumber), 0U) << state.questionNumber;
    }
    EXPECT_EQ(state.drawCount, 48);
    EXPECT_EQ(state.usedMarkCount(), 48);
}

TEST(Draw, NumbersDrawnForSubmultiplesAreNotAskedAsMultiples) {
    DrillState state;
    SeededRandom random(5U);
    std::set<int> submultiples;
    for (int i = 0; i < 60; ++i) {
        Algoritmi2::NuovaDomanda(state, random);
        submultiples.insert(state.questionNumber);
    }
    std::set<int> stillFree = numbersOf(kMultiples);
    for (const int number : submultiples) stillFree.erase(number);
    ASSERT_FALSE(stillFree.empty());
    std::set<int> drawn;
    for (size_t i = 0; i < stillFree.size(); ++i) {
        Algoritmi1::NuovaDomanda(state, random);
        drawn.insert(state.questionNumber);
    }
    EXPECT_EQ(drawn, stillFree);
    EXPECT_EQ(state.drawCount, static_cast<int>(60 + stillFree.size()));
}

// Called with every question of the bank marked, a bank starts a new cycle instead of looping.
TEST(Draw, MultiplesWithNoFreeQuestionStartsANewCycle) {
    DrillState state;
    SeededRandom random(77U);
    for (int i = 0; i < 48; ++i) Algoritmi1::NuovaDomanda(state, random);
    state.markUsed(70);  // a submultiples mark belongs to the old cycle too
    Algoritmi1::NuovaDomanda(state, random);
    EXPECT_EQ(numbersOf(kMultiples).count(state.questionNumber), 1U);
    EXPECT_EQ(state.drawCount, 1);
    EXPECT_EQ(state.usedMarkCount(), 1);
    EXPECT_TRUE(state.isUsed(state.questionNumber));
}

TEST(Draw, MultiplesNeverFallsBackOnNumberThirtyThree) {
    DrillState state;
    for (const Expected& question : kMultiples) state.markUsed(question.number);
    state.drawCount = 48;
    ASSERT_FALSE(state.isUsed(33));
    RecordingRandom random(32);
    Algoritmi1::NuovaDomanda(state, random);
    EXPECT_NE(state.questionNumber, 33);
    EXPECT_EQ(random.bounds, std::vector<int>{48});
    EXPECT_EQ(state.drawCount, 1);
}

TEST(Draw, SubmultiplesWithNoFreeQuestionStartsANewCycle) {
    DrillState state;
    for (int number = 1; number <= 96; ++number) state.markUsed(number);
    state.drawCount = 40;  // marks left by both banks
    RecordingRandom random(3);
    Algoritmi2::NuovaDomanda(state, random);
    EXPECT_EQ(random.bounds, std::vector<int>{96});
    EXPECT_EQ(state.drawCount, 1);
    EXPECT_EQ(state.usedMarkCount(), 1);
    EXPECT_TRUE(state.isUsed(state.questionNumber));
}

TEST(Draw, SubmultiplesClearsTheCycleOnItsNinetySixthDraw) {
    DrillState state;
    SeededRandom random(4242U);
    std::set<int> drawn;
    for (int i = 0; i < 95; ++i) {
        Algoritmi2::NuovaDomanda(state, random);
        drawn.insert(state.questionNumber);
    }
    ASSERT_EQ(state.drawCount, 95);
    Algoritmi2::NuovaDomanda(state, random);
    const int last = state.questionNumber;
    drawn.insert(last);
    EXPECT_EQ(drawn, numbersOf(kSubmultiples));
    EXPECT_EQ(state.drawCount, 0);
    EXPECT_EQ(state.usedMarkCount(), 0);
    // The question just drawn is still the one asked.
    const auto row = std::find_if(std::begin(kSubmultiples), std::end(kSubmultiples),
                                  [last](const Expected& q) { return q.number == last; });
    ASSERT_NE(row, std::end(kSubmultiples));
    expectQuestionInState(state, *row);

    // The 97th draw may give any question, the 96th's included.
    std::set<int> next;
    for (int index = 0; index < 96; ++index) {
        DrillState after = state;
        RecordingRandom pick(index);
        Algoritmi2::NuovaDomanda(after, pick);
        EXPECT_EQ(pick.bounds, std::vector<int>{96});
        EXPECT_EQ(after.drawCount, 1);
        next.insert(after.questionNumber);
    }
    EXPECT_EQ(next.size(), 96U);
    EXPECT_EQ(next.count(last), 1U);
}

}  // namespace
}  // namespace sd
