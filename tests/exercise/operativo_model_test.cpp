// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "banks/question.h"
#include "operativo_fixture.h"

#include <set>

namespace sd::test {
namespace {

const QString kQuestionMark = QStringLiteral("?");

TEST_F(OperativoTest, LoadShowsTheFirstMultiplesQuestion) {
    clock.now = 500.0;
    open(1, {25});
    EXPECT_EQ(view().label1, QStringLiteral("IL SISTEMA DECIMALE"));
    EXPECT_EQ(view().label3, QStringLiteral("L'unità ed i suoi multipli"));
    EXPECT_EQ(
        view().caption,
        QStringLiteral(
            "48 DOMANDE PER CONOSCERE I MULTIPLI: il migliaio, il centinaio, la decina, l'unità"));
    const std::array<QString, kKeyCount> keys{QStringLiteral("10"),     QStringLiteral("100"),
                                              QStringLiteral("1.000"),  QStringLiteral("uk"),
                                              QStringLiteral("h"),      QStringLiteral("da"),
                                              QStringLiteral("u"),      QStringLiteral("verifica"),
                                              QStringLiteral("avanti"), QStringLiteral("esco")};
    EXPECT_EQ(view().keyCaptions, keys);
    EXPECT_EQ(view().question, QStringLiteral("Se divido il  h  in 10 parti uguali ottengo ?"));
    EXPECT_EQ(record(1), view().question);
    EXPECT_EQ(view().label2, QStringLiteral("25"));
    EXPECT_EQ(view().label7, QStringLiteral("25 "));
    EXPECT_FALSE(view().label7Visible);
    EXPECT_EQ(view().risultato, kQuestionMark);
    EXPECT_TRUE(view().esito.isEmpty());
    EXPECT_TRUE(view().operazione.isEmpty());
    EXPECT_EQ(state.questionsAsked, 1);
    EXPECT_EQ(state.exerciseNumber, 1);
    EXPECT_FLOAT_EQ(state.answerStartTime, 500.0F);
    EXPECT_EQ(view().enabledFrame, Riquadro::Keypad);
    EXPECT_EQ(view().frontFrame, Riquadro::Keypad);
    EXPECT_EQ(model->windowState(), WindowState::Answering);
    EXPECT_EQ(focus(), keyFocus(0));
    for (int key = 0; key < kKeyCount; ++key)
        EXPECT_EQ(view().keyEnabled[static_cast<size_t>(key)], key < 7) << key;
}

TEST_F(OperativoTest, LoadForSubmultiplesSetsItsCaptions) {
    open(2, {91});
    EXPECT_EQ(view().label3, QStringLiteral("L'unità ed i suoi sottomultipli"));
    EXPECT_EQ(view().caption,
              QStringLiteral("96 DOMANDE PER CONOSCERE I SOTTOMULTIPLI: l'unità, il decimo, "
                             "il centesimo, il millesimo"));
    EXPECT_EQ(view().keyCaptions[3], QStringLiteral("u"));
    EXPECT_EQ(view().keyCaptions[6], QStringLiteral("m"));
    EXPECT_EQ(view().question, QStringLiteral("Se divido l' u  in 10 parti uguali cosa ottengo?"));
}

TEST_F(OperativoTest, PartsTwoAndFourAreRedWhereverTheyOccur) {
    open(1, {25});
    const QString& text = view().question;
    EXPECT_EQ(
        view().redRanges,
        (std::vector<TextRange>{{static_cast<int>(text.indexOf(QStringLiteral(" h "))), 3},
                                {static_cast<int>(text.indexOf(QStringLiteral(" ottengo "))), 9}}));
    // The fourth part of submultiples question 62 is " d", which also starts " devo".
    model->AzioneTasto(0);
    model->AzioneTasto(kKeyVerifica);
    state.exerciseKind = 2;
    random.wanted = {62};
    model->AzioneTasto(kKeyAvanti);
    EXPECT_EQ(view().question, QStringLiteral("Quanti  m devo unire per formare il  d?"));
    EXPECT_EQ(view().redRanges, (std::vector<TextRange>{{7, 3}, {9, 2}, {36, 2}}));
}

TEST_F(OperativoTest, AnEmptyPartFourColoursNothing) {
    open(1, {38});
    EXPECT_EQ(view().question, QStringLiteral("Se unisco  10 u che valore ottengo ?"));
    EXPECT_EQ(view().redRanges, (std::vector<TextRange>{{10, 6}}));
}

TEST_F(OperativoTest, RightAnswerIsJudgedAndCounted) {
    open(1, {1});  // expects " h "
    model->keypadMousePress(4);
    EXPECT_EQ(view().risultato, QStringLiteral("h"));
    EXPECT_EQ(focus(), keyFocus(kKeyVerifica));
    EXPECT_TRUE(view().keyEnabled[kKeyVerifica]);
    model->keypadMousePress(kKeyVerifica);
    EXPECT_EQ(view().esito, QStringLiteral("Esatto"));
    EXPECT_EQ(view().operazione, QStringLiteral("1"));
    EXPECT_EQ(view().risEsatte, QStringLiteral("1"));
    EXPECT_TRUE(view().risErrate.isEmpty());
    EXPECT_FALSE(view().crossVisible);
    EXPECT_TRUE(view().correzione.isEmpty());
    EXPECT_EQ(state.answerMark, QStringLiteral(" "));
    EXPECT_EQ(model->windowState(), WindowState::Answered);
    EXPECT_EQ(focus(), keyFocus(kKeyAvanti));
    for (int key = 0; key < kKeyCount; ++key)
        EXPECT_EQ(view().keyEnabled[static_cast<size_t>(key)], key >= 8) << key;
}

TEST_F(OperativoTest, WrongAnswerShowsCrossAndCorrectionWithItsBlanks) {
    open(1, {1});
    answer(QStringLiteral("da"));
    EXPECT_EQ(view().esito, QStringLiteral("Errato"));
    EXPECT_TRUE(view().crossVisible);
    EXPECT_EQ(view().correzione, QStringLiteral(" h "));
    EXPECT_EQ(view().risErrate, QStringLiteral("1"));
    EXPECT_TRUE(view().risEsatte.isEmpty());
    EXPECT_EQ(state.answerMark, QStringLiteral("*"));
    EXPECT_EQ(focus(), keyFocus(kKeyAvanti));
    model->resized();
    EXPECT_FALSE(view().crossVisible);
    EXPECT_EQ(view().correzione, QStringLiteral(" h "));
    model->keypadMousePress(kKeyAvanti);
    EXPECT_TRUE(view().esito.isEmpty());
    EXPECT_TRUE(view().correzione.isEmpty());
    EXPECT_EQ(view().risultato, kQuestionMark);
    EXPECT_EQ(state.questionsAsked, 2);
    EXPECT_EQ(model->windowState(), WindowState::Answering);
    EXPECT_EQ(focus(), keyFocus(0));
}

TEST_F(OperativoTest, OnlyTheLastChoiceCountsAndAJudgedAnswerCannotBeJudgedAgain) {
    open(1, {13});  // expects " 100 "
    model->keypadMousePress(1);
    model->keypadMousePress(0);
    model->keypadMousePress(0);  // the same key again: nothing changes, "verifica" stays enabled
    EXPECT_EQ(view().risultato, QStringLiteral("10"));
    EXPECT_TRUE(view().keyEnabled[kKeyVerifica]);
    model->keypadMousePress(kKeyVerifica);
    EXPECT_EQ(view().esito, QStringLiteral("Errato"));
    model->keypadMousePress(kKeyVerifica);  // disabled now
    model->keypadMousePress(1);
    EXPECT_EQ(state.wrongAnswers, 1);
    EXPECT_EQ(state.rightAnswers, 0);
    EXPECT_EQ(view().risultato, QStringLiteral("10"));
}

TEST_F(OperativoTest, ADigitChoosesTheFocusedAnswerKeyAndShowsIt) {
    open(2, {25});  // expects "1.000"
    model->focusMovedTo(keyFocus(2));
    model->keypadKeyDown(2, vk::kPad0 + 7);
    model->keypadKeyUp(2);
    EXPECT_EQ(state.pupilAnswer, QStringLiteral("1.000"));
    EXPECT_EQ(view().risultato, QStringLiteral("1.000"));
    EXPECT_EQ(focus(), keyFocus(2));
    EXPECT_TRUE(view().keyEnabled[kKeyVerifica]);
    // A digit on "verifica" changes nothing: the answer judged is the one shown.
    model->focusMovedTo(keyFocus(kKeyVerifica));
    model->keypadKeyDown(kKeyVerifica, vk::kDigit0 + 5);
    model->keypadKeyUp(kKeyVerifica);
    EXPECT_EQ(state.pupilAnswer, QStringLiteral("1.000"));
    model->keypadKeyDown(kKeyVerifica, vk::kEnter);
    EXPECT_EQ(view().esito, QStringLiteral("Esatto"));
}

TEST_F(OperativoTest, KeypadKeysActOncePerPhysicalPress) {
    open(1, {1});
    model->keypadKeyDown(0, vk::kEnter);  // chooses "10", focus to "verifica"
    EXPECT_EQ(focus(), keyFocus(kKeyVerifica));
    model->keypadKeyDown(kKeyVerifica, vk::kEnter);  // auto-repeat of the held Enter
    EXPECT_TRUE(view().esito.isEmpty());
    EXPECT_EQ(model->windowState(), WindowState::Answering);
    model->keypadKeyUp(kKeyVerifica);
    model->keypadKeyDown(kKeyVerifica, vk::kEnter);
    EXPECT_EQ(view().esito, QStringLiteral("Errato"));
    // Any key-down clears the verdict first, held or not.
    model->keypadKeyDown(kKeyAvanti, vk::letter('Q'));
    EXPECT_TRUE(view().esito.isEmpty());
    EXPECT_TRUE(model->keypad().keyHeld());
}

TEST_F(OperativoTest, KeypadKeyMap) {
    open(1, {1});
    // A discarded key leaves the flag clear.
    model->keypadKeyDown(0, vk::letter('Z'));
    EXPECT_FALSE(model->keypad().keyHeld());
    model->keypadKeyDown(0, vk::letter('X'));
    EXPECT_FALSE(model->keypad().keyHeld());
    for (const int quiet :
         {vk::letter('C'), vk::letter('V'), vk::letter('N'), vk::kF2, vk::kBackspace}) {
        model->keypadKeyDown(0, quiet);
        EXPECT_TRUE(model->keypad().keyHeld()) << quiet;
        EXPECT_EQ(focus(), keyFocus(0));
        model->keypadKeyUp(0);
    }
    // "A" and "E" go to "avanti" and "esco" only when they are enabled.
    model->keypadKeyDown(0, vk::letter('A'));
    model->keypadKeyUp(0);
    EXPECT_EQ(focus(), keyFocus(0));
    answer(QStringLiteral("h"));
    model->keypadKeyDown(kKeyAvanti, vk::letter('E'));
    model->keypadKeyUp(kKeyEsco);
    EXPECT_EQ(focus(), keyFocus(kKeyEsco));
    model->keypadKeyDown(kKeyEsco, vk::letter('A'));
    model->keypadKeyUp(kKeyAvanti);
    EXPECT_EQ(focus(), keyFocus(kKeyAvanti));
    model->keypadKeyDown(kKeyAvanti, vk::kEnter);
    EXPECT_EQ(state.questionsAsked, 2);
}

TEST_F(OperativoTest, BlankMovesToTheNextEnabledKeyOncePerPress) {
    open(1, {1});
    model->focusMovedTo(keyFocus(6));
    model->keypadKeyDown(6, vk::kSpace);
    model->keypadKeyChar(6, u' ');
    EXPECT_EQ(focus(), keyFocus(0));  // 7 to 9 are disabled: round to key 0
    model->keypadKeyChar(0, u' ');    // auto-repeat
    EXPECT_EQ(focus(), keyFocus(0));
    model->keypadKeyUp(0);
    model->keypadKeyChar(0, u' ');
    EXPECT_EQ(focus(), keyFocus(1));
    model->keypadMouseRelease(1);  // the mouse release clears the space flag too
    model->keypadKeyChar(1, u' ');
    EXPECT_EQ(focus(), keyFocus(2));
    model->keypadKeyUp(2);
    answer(QStringLiteral("h"));
    model->keypadKeyChar(kKeyAvanti, u' ');
    EXPECT_EQ(focus(), keyFocus(kKeyEsco));
    model->keypadKeyUp(kKeyEsco);
    model->keypadKeyChar(kKeyEsco, u' ');
    EXPECT_EQ(focus(), keyFocus(kKeyAvanti));  // from 9 round to the first enabled key
    model->keypadKeyUp(kKeyAvanti);
    model->keypadKeyChar(kKeyAvanti, u'x');
    EXPECT_EQ(focus(), keyFocus(kKeyAvanti));
}

TEST_F(OperativoTest, EscoAndEsciAskToCloseVisualizzaAsksForThePrintWindow) {
    open(1, {1});
    model->keypadMousePress(kKeyEsco);  // disabled while answering
    EXPECT_EQ(closeRequests, 0);
    answer(QStringLiteral("h"));
    model->keypadMousePress(kKeyEsco);
    EXPECT_EQ(closeRequests, 1);
    model->visualizza();
    EXPECT_EQ(printRequests, 1);
    EXPECT_EQ(model->windowState(), WindowState::Answered);
}

TEST_F(OperativoTest, DrawnNumbersListKeepsOrderAndToggles) {
    open(1, {5, 17, 2});
    answer(QStringLiteral("h"));
    model->AzioneTasto(kKeyAvanti);
    answer(QStringLiteral("h"));
    model->AzioneTasto(kKeyAvanti);
    EXPECT_EQ(view().label7, QStringLiteral("5 17 2 "));
    EXPECT_EQ(view().label2, QStringLiteral("2"));
    model->toggleDrawnNumbers();
    EXPECT_TRUE(view().label7Visible);
    model->toggleDrawnNumbers();
    EXPECT_FALSE(view().label7Visible);
}

TEST_F(OperativoTest, TheTenthAnswerShowsTheWarning) {
    open(1);
    for (int i = 1; i <= 10; ++i) {
        answer(i % 2 ? trimBlanks(state.expectedAnswer) : QStringLiteral("uk"));
        if (i < 10) {
            EXPECT_EQ(model->windowState(), WindowState::Answered);
            model->AzioneTasto(kKeyAvanti);
        }
    }
    EXPECT_EQ(model->windowState(), WindowState::Warning);
    EXPECT_EQ(view().enabledFrame, Riquadro::Avviso);
    EXPECT_EQ(view().frontFrame, Riquadro::Avviso);
    EXPECT_EQ(focus(), avvisoFocus(0));
    EXPECT_EQ(view().operazione, QStringLiteral("10"));
    EXPECT_EQ(view().risEsatte, QStringLiteral("5"));
    EXPECT_EQ(view().risErrate, QStringLiteral("5"));
    // The keypad takes no input now: no eleventh question.
    model->keypadMousePress(kKeyAvanti);
    EXPECT_EQ(state.questionsAsked, 10);

    model->avvisoKeyDown(0, vk::letter('R'));
    EXPECT_EQ(focus(), avvisoFocus(1));
    model->avvisoKeyDown(1, vk::kEnter);  // still held
    EXPECT_EQ(state.questionsAsked, 10);
    model->avvisoKeyUp(1);
    model->avvisoKeyDown(1, vk::kEnter);
    EXPECT_EQ(model->windowState(), WindowState::Answering);
    EXPECT_EQ(state.questionsAsked, 1);
    EXPECT_EQ(state.exerciseNumber, 1);
    EXPECT_EQ(state.rightAnswers, 0);
    EXPECT_TRUE(view().operazione.isEmpty());
    EXPECT_TRUE(view().risEsatte.isEmpty());
    EXPECT_TRUE(view().risErrate.isEmpty());
    EXPECT_TRUE(view().tempoOperazione.isEmpty());
    EXPECT_TRUE(view().tempoEsercizio.isEmpty());
    EXPECT_TRUE(state.exerciseTimes[1].isEmpty());
    EXPECT_EQ(focus(), keyFocus(0));
}

TEST_F(OperativoTest, WarningKeyMap) {
    open(1);
    for (int i = 1; i <= 10; ++i) {
        answer(QStringLiteral("uk"));
        if (i < 10) model->AzioneTasto(kKeyAvanti);
    }
    const struct {
        int key;
        int option;
    } moves[] = {{vk::letter('E'), 2}, {vk::letter('S'), 0}, {vk::kDigit0 + 2, 1},
                 {vk::kPad0 + 3, 2},   {vk::kPad0 + 1, 0},   {vk::kDigit0 + 3, 2},
                 {vk::kPad0 + 2, 1},   {vk::kDigit0 + 1, 0}};
    for (const auto& move : moves) {
        model->avvisoKeyDown(focus().index, move.key);
        EXPECT_EQ(focus(), avvisoFocus(move.option)) << move.key;
        model->avvisoKeyUp(move.option);
    }
    model->avvisoKeyDown(0, vk::letter('Q'));
    EXPECT_FALSE(model->avviso().keyHeld());
    model->avvisoKeyDown(0, vk::letter('E'));
    model->avvisoKeyChar(2, u'e');
    model->avvisoKeyUp(2);
    model->avvisoKeyChar(2, u' ');
    EXPECT_EQ(focus(), avvisoFocus(0));
    model->avvisoKeyChar(0, u' ');  // the blank is still held
    EXPECT_EQ(focus(), avvisoFocus(0));
    model->avvisoKeyUp(0);
    model->avvisoMousePress(0);
    model->avvisoMousePress(0);
    EXPECT_EQ(printRequests, 2);
    EXPECT_EQ(model->windowState(), WindowState::Warning);
    model->avvisoMousePress(2);
    EXPECT_EQ(closeRequests, 1);
}

TEST_F(OperativoTest, ExhaustedAfterThe48thDrawAndReiniziaStartsANewCycle) {
    // 47 questions drawn earlier in the cycle, by the other exercise.
    for (const QuestionRow& row : Algoritmi1::rows().first(47)) state.markUsed(row.number);
    state.drawCount = 47;
    open(1);
    EXPECT_EQ(state.questionNumber, 49);  // the only free multiples question
    EXPECT_EQ(state.drawCount, 48);
    answer(QStringLiteral("u"));
    EXPECT_EQ(model->windowState(), WindowState::Exhausted);
    EXPECT_EQ(view().enabledFrame, Riquadro::Finito);
    EXPECT_EQ(view().frontFrame, Riquadro::Finito);
    model->keypadMousePress(kKeyAvanti);  // the keypad takes no input
    EXPECT_EQ(state.questionsAsked, 1);
    model->finitoMousePress();
    EXPECT_EQ(model->windowState(), WindowState::Answering);
    EXPECT_EQ(state.drawCount, 1);
    EXPECT_EQ(state.usedMarkCount(), 1);
    EXPECT_EQ(state.questionsAsked, 1);
}

TEST_F(OperativoTest, OpeningWithACompleteCycleClearsItFirst) {
    for (const QuestionRow& row : Algoritmi2::rows().first(48)) state.markUsed(row.number);
    state.drawCount = 48;
    random.wanted = {48};
    open(2);
    EXPECT_EQ(state.questionNumber, 48);
    EXPECT_EQ(state.drawCount, 1);
    EXPECT_EQ(state.usedMarkCount(), 1);
}

TEST_F(OperativoTest, TenthAnswerOnThe48thDrawWarnsAndRicominciaStartsANewCycle) {
    for (const QuestionRow& row : Algoritmi1::rows().first(38)) state.markUsed(row.number);
    state.drawCount = 38;
    open(1);
    for (int i = 1; i <= 10; ++i) {
        answer(QStringLiteral("u"));
        if (i < 10) model->AzioneTasto(kKeyAvanti);
    }
    EXPECT_EQ(state.drawCount, 48);
    EXPECT_EQ(model->windowState(), WindowState::Warning);
    model->AzioneAvviso(1);
    EXPECT_EQ(state.drawCount, 1);
    EXPECT_EQ(model->windowState(), WindowState::Answering);
}

TEST_F(OperativoTest, AnotherKindChosenMeanwhileSwitchesTheKeypadBeforeTheDraw) {
    open(1, {1});
    answer(QStringLiteral("h"));
    state.exerciseKind = 2;  // chosen on the start window while this window stays loaded
    EXPECT_EQ(view().keyCaptions[3], QStringLiteral("uk"));
    random.wanted = {25};
    model->AzioneTasto(kKeyAvanti);
    EXPECT_EQ(view().keyCaptions[3], QStringLiteral("u"));
    EXPECT_EQ(view().keyCaptions[6], QStringLiteral("m"));
    EXPECT_EQ(view().label3, QStringLiteral("L'unità ed i suoi sottomultipli"));
    EXPECT_TRUE(view().caption.startsWith(QStringLiteral("96 DOMANDE")));
    EXPECT_EQ(state.questionNumber, 25);
    answer(QStringLiteral("1.000"));
    EXPECT_EQ(view().esito, QStringLiteral("Esatto"));
}

// A whole cycle over several exercises and both kinds: no number twice, never a bank with nothing
// free, the exhausted and warning frames exactly when due.
TEST_F(OperativoTest, AWholeCycleNeverRepeatsAQuestion) {
    std::set<int> drawn;
    int draws = 0;
    auto noteDraw = [&] {
        ++draws;
        EXPECT_TRUE(drawn.insert(state.questionNumber).second)
            << "repeated " << state.questionNumber;
        EXPECT_EQ(state.drawCount, draws);
        EXPECT_EQ(state.usedMarkCount(), draws);
    };
    SeededRandom real(20261208U);
    struct Forward final : RandomSource {
        RandomSource& to;
        explicit Forward(RandomSource& r) : to(r) {}
        int below(int bound) override {
            EXPECT_GE(bound, 1);
            return to.below(bound);
        }
    };
    int kind = 1;
    state.exerciseKind = 1;
    Forward forward(real);
    model = std::make_unique<OperativoModel>(state, clock, forward);
    model->load();
    noteDraw();
    while (draws < 48) {
        answer(QStringLiteral("10"));
        if (state.questionsAsked == 10) {
            EXPECT_EQ(model->windowState(), WindowState::Warning);
            kind = 3 - kind;
            state.exerciseKind = static_cast<int16_t>(kind);
            model->AzioneAvviso(1);
        } else {
            ASSERT_EQ(model->windowState(), WindowState::Answered) << draws;
            model->AzioneTasto(kKeyAvanti);
        }
        noteDraw();
    }
    answer(QStringLiteral("10"));
    EXPECT_EQ(state.questionsAsked, 8);
    EXPECT_EQ(model->windowState(), WindowState::Exhausted);
    model->finitoMousePress();
    EXPECT_EQ(state.drawCount, 1);
}

TEST_F(OperativoTest, ClosingMidExerciseKeepsTheCycleForTheNextOpening) {
    open(1, {7, 8});
    answer(QStringLiteral("da"));
    model->AzioneTasto(kKeyAvanti);
    model.reset();
    EXPECT_EQ(state.drawCount, 2);
    open(1, {9});
    EXPECT_EQ(state.drawCount, 3);
    EXPECT_EQ(view().label7, QStringLiteral("9 "));
}

}  // namespace
}  // namespace sd::test
