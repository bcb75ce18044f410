// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "state/option_menu.h"

#include <QObject>
#include <QString>

#include <array>
#include <vector>

namespace sd {

struct DrillState;
class Clock;
class RandomSource;

// The three frames at the bottom right of the exercise window.
enum class Riquadro { None, Keypad, Finito, Avviso };

// The four states of the exercise window, as the frames and the keys show them.
enum class WindowState { Answering, Answered, Exhausted, Warning };

// Where the keyboard focus is: a keypad key, a warning option, "REINIZIA" or nothing.
enum class FocusArea { None, Keypad, Avviso, Finito };
struct Focus {
    FocusArea area = FocusArea::None;
    int index = -1;
    friend bool operator==(const Focus&, const Focus&) = default;
};

// A piece of the question text, counted in characters from 0.
struct TextRange {
    int start = 0;
    int length = 0;
    friend bool operator==(const TextRange&, const TextRange&) = default;
};

inline constexpr int kKeyCount = 10;
inline constexpr int kKeyVerifica = 7;
inline constexpr int kKeyAvanti = 8;
inline constexpr int kKeyEsco = 9;
inline constexpr int kAnswerKeyCount = 7;  // keys 0 to 6
inline constexpr int kAvvisoCount = 3;     // "Visualizza", "Ricomincia", "Esci"

// What the exhausted frame and the warning frame say, on screen and to a screen reader.
inline const QString kExhaustedText = QStringLiteral("DOMANDE ESAURITE");
inline const QString kRestartWarningText =
    QStringLiteral("Se ricominci gli esercizi andranno persi");

// Everything the exercise window shows.
struct ExerciseView {
    QString caption;  // the window's title bar
    QString label1;   // title
    QString label3;   // subtitle, per exercise kind
    std::array<QString, kKeyCount> keyCaptions;
    std::array<bool, kKeyCount> keyEnabled{};
    QString question;                  // Box1: the whole text is blue with the emphasis on...
    std::vector<TextRange> redRanges;  // ...except these pieces, which are red
    QString label2;                    // the bank's question number
    QString label7;                    // drawn-numbers list
    bool label7Visible = false;
    QString risultato;   // lblRisultato2: "?" or the pupil's answer
    QString correzione;  // lblCorrezione2: empty or the expected answer as stored
    QString esito;       // LblEsito: empty, "Esatto" or "Errato"
    bool crossVisible = false;
    QString operazione;                      // LblOperazione: questions asked
    QString risEsatte;                       // lblRisEsatte
    QString risErrate;                       // lblRisErrate
    QString tempoOperazione;                 // LblTempoOperazione
    QString tempoEsercizio;                  // LblTempoEsercizio
    Riquadro enabledFrame = Riquadro::None;  // at most one frame takes input...
    Riquadro frontFrame = Riquadro::Keypad;  // ...and it is the one in front
};

// What a screen reader says after the name of the key that takes the focus, so that a pupil who
// cannot see the window hears what it shows: the question while it waits for an answer, the
// verdict (with the correction after a wrong answer) once judged, the frame in front otherwise.
QString spokenContext(const ExerciseView& view);

// The exercise window without its widgets: the question flow, judging, counting, timing, the
// record lines, the end of an exercise and of a cycle, and the keyboard and mouse rules of the
// keypad and of the warning frame. The window renders view() and focus() after every changed().
class OperativoModel : public QObject {
    Q_OBJECT
  public:
    OperativoModel(DrillState& state, Clock& clock, RandomSource& random,
                   QObject* parent = nullptr);

    // Load steps after the layout is recorded: title, frames, keys, first question, captions.
    void load();

    const ExerciseView& view() const { return view_; }
    Focus focus() const;
    WindowState windowState() const;
    const OptionMenu& keypad() const { return keypad_; }
    const OptionMenu& avviso() const { return avviso_; }

    // Operations of the window.
    void RiavviaEsercizio();
    void AzzeraEsercizio();
    void ProssimaDomanda();
    void MostraDomanda();
    void ControlloFineDomande();
    void ControlloFineEsercizio();
    void DisattivaRiquadri();
    void TastiSi();
    void TastiNo();
    void AzioneTasto(int index);
    void VerificaRisposta();
    void AzioneAvviso(int index);
    void Reinizia();  // "REINIZIA"
    void CalcolaTempi();
    void RigaEsatta();
    void RigaErrata();
    void MostraCroce();
    void NascondiCroce();

    // Keypad events, received by key `index`.
    void keypadKeyDown(int index, int keyCode);
    void keypadKeyChar(int index, char16_t character);
    void keypadKeyUp(int index);
    void keypadMousePress(int index);
    void keypadMouseRelease(int index);

    // Warning-frame events, received by option `index`.
    void avvisoKeyDown(int index, int keyCode);
    void avvisoKeyChar(int index, char16_t character);
    void avvisoKeyUp(int index);
    void avvisoMousePress(int index);
    void avvisoMouseRelease(int index);

    // "REINIZIA" reacts to a mouse press only.
    void finitoMousePress();

    // The toolkit moved the focus (platform focus keys, a click): the model follows.
    void focusMovedTo(Focus focus);
    // A double click on the window shows or hides the drawn-numbers list.
    void toggleDrawnNumbers();
    // The window was resized: the cross is re-placed over the answer, hidden.
    void resized();
    // "Visualizza" of the menu bar.
    void visualizza();

  Q_SIGNALS:
    void changed();               // view or focus changed
    void closeRequested();        // "esco" or "Esci": the window unloads
    void printWindowRequested();  // "Visualizza": load and show the print window

  private:
    class Batch;

    void setCaptionsForKind(int kind);
    void completeRecordLine(bool right);
    void enableFrame(Riquadro frame);
    bool setFocus(Focus focus);
    void setRisultato(const QString& answer);
    void colourQuestion();
    void notify();

    DrillState& state_;
    Clock& clock_;
    RandomSource& random_;
    ExerciseView view_;
    OptionMenu keypad_;
    OptionMenu avviso_;
    bool finitoFocused_ = false;
    int captionsKind_ = 0;  // the exercise kind the key captions show
    int notifyDepth_ = 0;
};

}  // namespace sd
