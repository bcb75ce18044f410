// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercise/operativo_model.h"

#include "banks/algoritmi1.h"
#include "banks/algoritmi2.h"
#include "banks/question.h"
#include "exercise/record.h"
#include "state/clock.h"
#include "state/drill_state.h"

namespace sd {
namespace {

constexpr int kQuestionsPerExercise = 10;
constexpr int kDrawsPerCycle = 48;
constexpr int kMultipli = 1;
constexpr int kSottomultipli = 2;

struct KindCaptions {
    std::array<const char16_t*, 4> keys;  // keys 3 to 6
    const char16_t* label3;
    const char16_t* caption;
};

constexpr KindCaptions kMultipliCaptions{
    {u"uk", u"h", u"da", u"u"},
    u"L'unità ed i suoi multipli",
    u"48 DOMANDE PER CONOSCERE I MULTIPLI: il migliaio, il centinaio, la decina, l'unità"};
constexpr KindCaptions kSottomultipliCaptions{
    {u"u", u"d", u"c", u"m"},
    u"L'unità ed i suoi sottomultipli",
    u"96 DOMANDE PER CONOSCERE I SOTTOMULTIPLI: l'unità, il decimo, il centesimo, il millesimo"};

// The warning frame's keys: "S", "1", pad 1 -> "Visualizza"; "R", "2", pad 2 -> "Ricomincia";
// "E", "3", pad 3 -> "Esci".
const OptionMenu::KeyMap kAvvisoKeys{
    {vk::letter('S'), 0}, {vk::kDigit0 + 1, 0}, {vk::kPad0 + 1, 0},
    {vk::letter('R'), 1}, {vk::kDigit0 + 2, 1}, {vk::kPad0 + 2, 1},
    {vk::letter('E'), 2}, {vk::kDigit0 + 3, 2}, {vk::kPad0 + 3, 2},
};

// Keys the keypad accepts without an effect of their own.
bool isQuietKeypadKey(int keyCode) {
    return keyCode == vk::letter('C') || keyCode == vk::letter('V') || keyCode == vk::letter('N') ||
           keyCode == vk::kF2 || keyCode == vk::kBackspace;
}

// Every place where `piece` occurs in `text`, overlapping ones included; an empty piece none.
void addOccurrences(const QString& text, const QString& piece, std::vector<TextRange>& ranges) {
    if (piece.isEmpty()) return;
    for (qsizetype i = 0; i + piece.size() <= text.size(); ++i)
        if (QStringView(text).mid(i, piece.size()) == piece)
            ranges.push_back({static_cast<int>(i), static_cast<int>(piece.size())});
}

}  // namespace

// Collects the changes of one operation into a single changed() signal.
class OperativoModel::Batch {
  public:
    explicit Batch(OperativoModel& model) : model_(model) { ++model_.notifyDepth_; }
    ~Batch() {
        if (--model_.notifyDepth_ > 0) return;
        for (int key = 0; key < kKeyCount; ++key)
            model_.view_.keyEnabled[static_cast<size_t>(key)] = model_.keypad_.isEnabled(key);
        Q_EMIT model_.changed();
    }
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

  private:
    OperativoModel& model_;
};

OperativoModel::OperativoModel(DrillState& state, Clock& clock, RandomSource& random,
                               QObject* parent)
    : QObject(parent),
      state_(state),
      clock_(clock),
      random_(random),
      keypad_(kKeyCount, {}, {.spaceSkipsDisabled = true, .mouseReleaseClearsSpace = true}),
      avviso_(kAvvisoCount, kAvvisoKeys) {
    view_.keyCaptions = {QStringLiteral("10"),
                         QStringLiteral("100"),
                         QStringLiteral("1.000"),
                         QString(),
                         QString(),
                         QString(),
                         QString(),
                         QStringLiteral("verifica"),
                         QStringLiteral("avanti"),
                         QStringLiteral("esco")};
    view_.risultato = QStringLiteral("?");
    view_.keyEnabled.fill(true);
}

void OperativoModel::load() {
    Batch batch(*this);
    view_.label1 = QStringLiteral("IL SISTEMA DECIMALE");
    DisattivaRiquadri();
    enableFrame(Riquadro::Keypad);
    TastiSi();
    RiavviaEsercizio();
    setCaptionsForKind(state_.exerciseKind);
}

Focus OperativoModel::focus() const {
    if (keypad_.focus() >= 0 && view_.enabledFrame == Riquadro::Keypad)
        return {FocusArea::Keypad, keypad_.focus()};
    if (avviso_.focus() >= 0 && view_.enabledFrame == Riquadro::Avviso)
        return {FocusArea::Avviso, avviso_.focus()};
    if (finitoFocused_ && view_.enabledFrame == Riquadro::Finito) return {FocusArea::Finito, 0};
    return {};
}

WindowState OperativoModel::windowState() const {
    switch (view_.enabledFrame) {
        case Riquadro::Avviso:
            return WindowState::Warning;
        case Riquadro::Finito:
            return WindowState::Exhausted;
        default:
            return keypad_.isEnabled(kKeyAvanti) ? WindowState::Answered : WindowState::Answering;
    }
}

void OperativoModel::setCaptionsForKind(int kind) {
    const KindCaptions& captions = kind == kMultipli ? kMultipliCaptions : kSottomultipliCaptions;
    for (size_t i = 0; i < captions.keys.size(); ++i)
        view_.keyCaptions[3 + i] = QString::fromUtf16(captions.keys[i]);
    view_.label3 = QString::fromUtf16(captions.label3);
    view_.caption = QString::fromUtf16(captions.caption);
    captionsKind_ = kind == kMultipli ? kMultipli : kSottomultipli;
}

void OperativoModel::enableFrame(Riquadro frame) {
    view_.enabledFrame = frame;
    view_.frontFrame = frame;
}

bool OperativoModel::setFocus(Focus target) {
    bool canTake = false;
    switch (target.area) {
        case FocusArea::Keypad:
            canTake = view_.enabledFrame == Riquadro::Keypad && keypad_.isEnabled(target.index);
            break;
        case FocusArea::Avviso:
            canTake = view_.enabledFrame == Riquadro::Avviso && avviso_.isEnabled(target.index);
            break;
        case FocusArea::Finito:
            canTake = view_.enabledFrame == Riquadro::Finito;
            break;
        case FocusArea::None:
            canTake = true;
            break;
    }
    // A control that cannot take the focus leaves it where it is.
    if (!canTake) return false;
    keypad_.loseFocus();
    avviso_.loseFocus();
    finitoFocused_ = target.area == FocusArea::Finito;
    if (target.area == FocusArea::Keypad) keypad_.setFocus(target.index);
    if (target.area == FocusArea::Avviso) avviso_.setFocus(target.index);
    return true;
}

void OperativoModel::setRisultato(const QString& answer) {
    // "verifica" is enabled whenever the shown answer changes.
    if (view_.risultato == answer) return;
    view_.risultato = answer;
    keypad_.setEnabled(kKeyVerifica, true);
}

void OperativoModel::RiavviaEsercizio() {
    Batch batch(*this);
    if (state_.drawCount >= kDrawsPerCycle) state_.clearUsedMarks();
    AzzeraEsercizio();
}

void OperativoModel::AzzeraEsercizio() {
    Batch batch(*this);
    state_.exerciseNumber = 1;
    state_.questionsAsked = 0;
    state_.rightAnswers = 0;
    state_.wrongAnswers = 0;
    state_.exerciseSeconds = 0;
    view_.tempoOperazione.clear();
    view_.tempoEsercizio.clear();
    view_.operazione.clear();
    view_.risErrate.clear();
    view_.risEsatte.clear();
    state_.clearExerciseTimes(DrillState::kTimesClearedAtRestart);
    ProssimaDomanda();
}

void OperativoModel::ProssimaDomanda() {
    Batch batch(*this);
    const int kind = state_.exerciseKind;
    if (kind == kMultipli || kind == kSottomultipli) {
        // The keypad must offer the answers of the bank the question comes from.
        if (captionsKind_ != kind) setCaptionsForKind(kind);
        if (kind == kMultipli)
            Algoritmi1::NuovaDomanda(state_, random_);
        else
            Algoritmi2::NuovaDomanda(state_, random_);
    }
    ++state_.questionsAsked;
    DisattivaRiquadri();
    enableFrame(Riquadro::Keypad);
    view_.esito.clear();
    NascondiCroce();
    setRisultato(QStringLiteral("?"));
    view_.correzione.clear();
    MostraDomanda();
}

void OperativoModel::MostraDomanda() {
    Batch batch(*this);
    const QString number = QString::number(state_.questionNumber);
    view_.label7 += number + u' ';
    view_.label2 = number;
    state_.answerStartTime = static_cast<float>(clock_.secondsSinceMidnight());
    TastiSi();
    const QString text = questionText(state_.questionParts);
    const int line = state_.questionsAsked;
    if (line >= 0 && line < DrillState::kRecordLines)
        state_.exerciseRecord[static_cast<size_t>(line)] = text;
    view_.question = text;
    colourQuestion();
}

void OperativoModel::colourQuestion() {
    view_.redRanges.clear();
    addOccurrences(view_.question, state_.questionParts[1], view_.redRanges);
    addOccurrences(view_.question, state_.questionParts[3], view_.redRanges);
}

void OperativoModel::ControlloFineDomande() {
    Batch batch(*this);
    DisattivaRiquadri();
    enableFrame(state_.drawCount >= kDrawsPerCycle ? Riquadro::Finito : Riquadro::Keypad);
}

void OperativoModel::ControlloFineEsercizio() {
    Batch batch(*this);
    if (state_.questionsAsked != kQuestionsPerExercise) return;
    ++state_.exerciseNumber;
    state_.exerciseSeconds = 0;
    DisattivaRiquadri();
    enableFrame(Riquadro::Avviso);
    setFocus({FocusArea::Avviso, 0});
}

void OperativoModel::DisattivaRiquadri() {
    Batch batch(*this);
    view_.enabledFrame = Riquadro::None;
}

void OperativoModel::TastiSi() {
    Batch batch(*this);
    for (int key = 0; key < kAnswerKeyCount; ++key) keypad_.setEnabled(key, true);
    setFocus({FocusArea::Keypad, 0});
    for (const int key : {kKeyVerifica, kKeyAvanti, kKeyEsco}) keypad_.setEnabled(key, false);
}

void OperativoModel::TastiNo() {
    Batch batch(*this);
    for (int key = 0; key <= kKeyVerifica; ++key) keypad_.setEnabled(key, false);
    keypad_.setEnabled(kKeyAvanti, true);
    keypad_.setEnabled(kKeyEsco, true);
    setFocus({FocusArea::Keypad, kKeyAvanti});
}

void OperativoModel::AzioneTasto(int index) {
    Batch batch(*this);
    if (index >= 0 && index < kAnswerKeyCount) {
        state_.pupilAnswer = view_.keyCaptions[static_cast<size_t>(index)];
        setRisultato(state_.pupilAnswer);
        setFocus({FocusArea::Keypad, kKeyVerifica});
    } else if (index == kKeyVerifica) {
        VerificaRisposta();
        // With the exhausted or the warning frame in front the focus stays where judging left it.
        if (view_.enabledFrame == Riquadro::Keypad) setFocus({FocusArea::Keypad, kKeyAvanti});
    } else if (index == kKeyAvanti) {
        ProssimaDomanda();
    } else if (index == kKeyEsco) {
        Q_EMIT closeRequested();
    }
}

void OperativoModel::VerificaRisposta() {
    Batch batch(*this);
    const bool right = trimBlanks(state_.pupilAnswer) == trimBlanks(state_.expectedAnswer);
    if (right) {
        view_.esito = QStringLiteral("Esatto");
        view_.operazione = QString::number(state_.questionsAsked);
        state_.answerMark = QStringLiteral(" ");
        RigaEsatta();
        ++state_.rightAnswers;
        view_.risEsatte = QString::number(state_.rightAnswers);
        TastiNo();
    } else {
        TastiNo();
        MostraCroce();
        view_.esito = QStringLiteral("Errato");
        view_.operazione = QString::number(state_.questionsAsked);
        state_.answerMark = QStringLiteral("*");
        RigaErrata();
        ++state_.wrongAnswers;
        view_.risErrate = QString::number(state_.wrongAnswers);
        view_.correzione = state_.expectedAnswer;
    }
    ControlloFineDomande();
    ControlloFineEsercizio();
}

void OperativoModel::AzioneAvviso(int index) {
    Batch batch(*this);
    switch (index) {
        case 0:
            Q_EMIT printWindowRequested();
            break;
        case 1:
            RiavviaEsercizio();
            break;
        case 2:
            Q_EMIT closeRequested();
            break;
        default:
            break;
    }
}

void OperativoModel::Reinizia() {
    Batch batch(*this);
    DisattivaRiquadri();
    enableFrame(Riquadro::Keypad);
    RiavviaEsercizio();
}

void OperativoModel::CalcolaTempi() {
    Batch batch(*this);
    measureAnswer(state_, clock_.secondsSinceMidnight());
    view_.tempoOperazione = answerSecondsLabel(state_);
    view_.tempoEsercizio = exerciseSecondsLabel(state_);
}

void OperativoModel::RigaEsatta() {
    completeRecordLine(true);
}

void OperativoModel::RigaErrata() {
    completeRecordLine(false);
}

void OperativoModel::completeRecordLine(bool right) {
    Batch batch(*this);
    CalcolaTempi();
    CalcolaSpazi(state_);
    appendJudgement(state_, right);
}

void OperativoModel::MostraCroce() {
    Batch batch(*this);
    view_.crossVisible = true;
}

void OperativoModel::NascondiCroce() {
    Batch batch(*this);
    view_.crossVisible = false;
}

void OperativoModel::keypadKeyDown(int index, int keyCode) {
    Batch batch(*this);
    if (view_.enabledFrame != Riquadro::Keypad || !keypad_.isEnabled(index)) return;
    view_.esito.clear();
    if (keypad_.keyHeld()) return;
    if (vk::isDigitKey(keyCode)) {
        // A digit chooses the focused answer key, shown like a click would show it; the focus
        // stays.
        if (index < kAnswerKeyCount) {
            state_.pupilAnswer = view_.keyCaptions[static_cast<size_t>(index)];
            setRisultato(state_.pupilAnswer);
        }
    } else if (keyCode == vk::letter('A')) {
        setFocus({FocusArea::Keypad, kKeyAvanti});
    } else if (keyCode == vk::letter('E')) {
        setFocus({FocusArea::Keypad, kKeyEsco});
    } else if (keyCode == vk::kEnter) {
        AzioneTasto(index);
    } else if (!isQuietKeypadKey(keyCode)) {
        return;  // discarded
    }
    keypad_.setKeyHeld();
}

void OperativoModel::keypadKeyChar(int index, char16_t character) {
    Batch batch(*this);
    if (view_.enabledFrame != Riquadro::Keypad || keypad_.spaceHeld() || character != u' ') return;
    const int next = keypad_.nextItem(index);
    if (next >= 0) setFocus({FocusArea::Keypad, next});
    keypad_.setSpaceHeld();
}

void OperativoModel::keypadKeyUp(int /*index*/) {
    keypad_.keyUp();
}

void OperativoModel::keypadMousePress(int index) {
    Batch batch(*this);
    if (view_.enabledFrame != Riquadro::Keypad || !keypad_.isEnabled(index)) return;
    AzioneTasto(index);
}

void OperativoModel::keypadMouseRelease(int /*index*/) {
    keypad_.mouseRelease();
}

void OperativoModel::avvisoKeyDown(int index, int keyCode) {
    Batch batch(*this);
    if (view_.enabledFrame != Riquadro::Avviso || avviso_.keyHeld()) return;
    if (const auto it = kAvvisoKeys.find(keyCode); it != kAvvisoKeys.end()) {
        setFocus({FocusArea::Avviso, it->second});
    } else if (keyCode == vk::kEnter) {
        AzioneAvviso(index);
    } else {
        return;  // discarded
    }
    avviso_.setKeyHeld();
}

void OperativoModel::avvisoKeyChar(int index, char16_t character) {
    Batch batch(*this);
    if (view_.enabledFrame != Riquadro::Avviso || avviso_.spaceHeld() || character != u' ') return;
    setFocus({FocusArea::Avviso, avviso_.nextItem(index)});
    avviso_.setSpaceHeld();
}

void OperativoModel::avvisoKeyUp(int /*index*/) {
    avviso_.keyUp();
}

void OperativoModel::avvisoMousePress(int index) {
    Batch batch(*this);
    if (view_.enabledFrame != Riquadro::Avviso) return;
    AzioneAvviso(index);
}

void OperativoModel::avvisoMouseRelease(int /*index*/) {
    avviso_.mouseRelease();
}

void OperativoModel::finitoMousePress() {
    Batch batch(*this);
    if (view_.enabledFrame != Riquadro::Finito) return;
    Reinizia();
}

void OperativoModel::focusMovedTo(Focus target) {
    Batch batch(*this);
    setFocus(target);
}

void OperativoModel::toggleDrawnNumbers() {
    Batch batch(*this);
    view_.label7Visible = !view_.label7Visible;
}

void OperativoModel::resized() {
    NascondiCroce();
}

void OperativoModel::visualizza() {
    Q_EMIT printWindowRequested();
}

QString spokenContext(const ExerciseView& view) {
    QString said = view.esito.isEmpty() ? view.question : view.esito;
    if (!view.esito.isEmpty() && !view.correzione.trimmed().isEmpty())
        said += QStringLiteral(". La risposta giusta è ") + view.correzione.trimmed();
    if (view.frontFrame == Riquadro::Finito) said += QStringLiteral(". ") + kExhaustedText;
    if (view.frontFrame == Riquadro::Avviso) said += QStringLiteral(". ") + kRestartWarningText;
    return said;
}

}  // namespace sd
