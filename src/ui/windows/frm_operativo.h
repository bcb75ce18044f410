// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "exercise/operativo_model.h"
#include "platform/twips.h"

#include <QMainWindow>

#include <array>

class QLabel;
class QTextEdit;
class QFrame;

namespace sd {

struct DrillState;
class Clock;
class RandomSource;
class OptionButtonMenu;
class ProportionalLayout;
class CrossOverlay;

// The exercise window frmOperativo: renders OperativoModel and turns the toolkit's events into its
// calls. Everything it decides lives in the model; this class only places, paints and forwards.
class FrmOperativo final : public QMainWindow {
    Q_OBJECT
  public:
    static constexpr DesignSize kDesignSize{11880, 8130};

    FrmOperativo(DrillState& state, Clock& clock, RandomSource& random, QWidget* parent = nullptr);
    ~FrmOperativo() override;

    OperativoModel& model() { return model_; }
    // Controls, for the window's tests.
    OptionButtonMenu& keypad() { return *keypad_; }
    OptionButtonMenu& avviso() { return *avviso_; }
    OptionButtonMenu& finito() { return *finito_; }
    QTextEdit& questionBox() { return *box1_; }
    QLabel& label(const char* objectName) const;
    QFrame& frame(Riquadro which) const;
    const CrossOverlay& cross() const { return *cross_; }
    QWidget& client() const { return *client_; }

  Q_SIGNALS:
    void closeRequested();
    void printWindowRequested();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void buildControls();
    void buildKeypad();
    void buildFrames();
    void registerLayout();
    void connectModel();
    void render();
    void renderQuestion();
    void renderFrames();
    void renderFocus();
    void renderSpokenContext();
    void PosizionaCorrezione();

    DrillState& state_;
    OperativoModel model_;
    QWidget* client_ = nullptr;
    QFrame* shape1_ = nullptr;
    QLabel* numero0_ = nullptr;  // LblNumero22 index 0, decoration
    QLabel* numero4_ = nullptr;  // LblNumero22 index 4, decoration
    QLabel* label1_ = nullptr;
    QLabel* label3_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* label7_ = nullptr;
    QFrame* frame1_ = nullptr;
    QTextEdit* box1_ = nullptr;
    QLabel* risultato_ = nullptr;
    QLabel* correzione_ = nullptr;
    QLabel* esito_ = nullptr;
    CrossOverlay* cross_ = nullptr;
    QFrame* elaborazione_ = nullptr;
    std::array<QLabel*, 6> headings_{};  // Label5 by index; index 2 is not used
    QLabel* operazione_ = nullptr;
    QLabel* risEsatte_ = nullptr;
    QLabel* risErrate_ = nullptr;
    QLabel* tempoOperazione_ = nullptr;
    QLabel* tempoEsercizio_ = nullptr;
    QFrame* keypadFrame_ = nullptr;  // fraTastierino
    QFrame* fraFinito_ = nullptr;
    QFrame* fraAvviso_ = nullptr;
    QLabel* label6_ = nullptr;
    QLabel* label4_ = nullptr;
    OptionButtonMenu* keypad_ = nullptr;
    OptionButtonMenu* avviso_ = nullptr;
    OptionButtonMenu* finito_ = nullptr;
    ProportionalLayout* layout_ = nullptr;
    QString shownQuestion_;
    bool rendering_ = false;
    bool renderAgain_ = false;
};

}  // namespace sd
