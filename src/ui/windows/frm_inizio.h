// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/twips.h"
#include "ui/windows/curtain.h"

#include <QMainWindow>
#include <QTimer>

#include <array>

class QAction;
class QFrame;
class QLabel;

namespace sd {

struct DrillState;
class LegendPicture;
class OptionButtonMenu;
class ProportionalLayout;
class RoundedShape;

// The start window FrmInizio: the title, the strip of unit symbols, the legend, the menu
// "I MULTIPLI" / "I SOTTOMULTIPLI" / "ESCI", the opening curtain and "Autore" in the menu bar.
// It opens maximised with an empty title; every control keeps its proportion of the client area.
// It reads and writes the Drill state; the windows it opens and the end of the program are asked
// for through its signals.
class FrmInizio final : public QMainWindow {
    Q_OBJECT
  public:
    static constexpr DesignSize kDesignSize{11880, 8130};

    explicit FrmInizio(DrillState& state, QWidget* parent = nullptr);
    ~FrmInizio() override;

    // The menu action: 0 "I MULTIPLI", 1 "I SOTTOMULTIPLI", 2 "ESCI".
    void AzioneMenu(int index);

    // Controls, for the window's tests.
    OptionButtonMenu& menu() const { return *option1_; }
    QLabel& label4(int index) const { return *label4_.at(static_cast<size_t>(index)); }
    QLabel& label5() const { return *label5_; }
    QLabel& label1() const { return *label1_; }
    LegendPicture& image1() const { return *image1_; }
    QFrame& frame1() const { return *frame1_; }
    QWidget& picture1() const { return *picture1_; }
    QWidget& picture2() const { return *picture2_; }
    const QTimer& timerTendine() const { return timerTendine_; }
    QAction& mnuAutore() const { return *mnuAutore_; }
    QWidget& client() const { return *client_; }
    ProportionalLayout& layout() const { return *layout_; }

  signals:
    // "Autore" on the menu bar.
    void aboutRequested();
    // An exercise was chosen: its kind is in the Drill state, which the exercise window reads as
    // it loads; the exercise's title is written once it is shown.
    void exerciseRequested();
    // "ESCI": every window goes and the program ends.
    void endRequested();

  protected:
    bool event(QEvent* event) override;

  private:
    void buildControls();
    void buildMenu();
    void recordLayout();
    void colourControls();
    void setCaptions();
    void activated();
    void chooseExercise(int kind, const QString& title);

    void AvviaTendine();
    void tickTendine();
    void placeCurtain();
    void takeCurtainFromLayout();

    DrillState& state_;
    QWidget* client_ = nullptr;
    std::array<QLabel*, 2> label4_{};
    RoundedShape* shape1_ = nullptr;
    RoundedShape* shape2_ = nullptr;
    LegendPicture* image1_ = nullptr;
    QFrame* frame1_ = nullptr;
    OptionButtonMenu* option1_ = nullptr;
    QLabel* label5_ = nullptr;
    QLabel* label1_ = nullptr;
    QWidget* picture1_ = nullptr;
    QWidget* picture2_ = nullptr;
    QTimer timerTendine_;
    // The panels' widths as the curtain computes them, in twips; pixels only place the widgets,
    // so rounding never slows the curtain down.
    CurtainWidths curtain_;
    QAction* mnuAutore_ = nullptr;
    ProportionalLayout* layout_ = nullptr;
};

}  // namespace sd
