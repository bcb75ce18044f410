// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/twips.h"
#include "printing/print_window.h"
#include "ui/drawing/page_painter.h"

#include <QMainWindow>

#include <array>
#include <optional>

class QAction;
class QLabel;

namespace sd {

struct DrillState;
class OptionButtonMenu;
class ProportionalLayout;

// The print window FrmStampaEsercizio: the answered questions and the times of the first two
// exercises as they stood when it opened, and the menu "ESCI", "SCRIVI IL NOME",
// "STAMPA ESERCIZIO", "ATTESTATO"; "Scegli la stampante" on the menu bar chooses the printer.
// The windows it opens, its printing and its closing are asked for through its signals.
class FrmStampaEsercizio final : public QMainWindow {
    Q_OBJECT
  public:
    static constexpr DesignSize kDesignSize{11910, 8340};

    explicit FrmStampaEsercizio(DrillState& state, QWidget* parent = nullptr);
    ~FrmStampaEsercizio() override;

    // The menu action: 0 "ESCI", 1 "SCRIVI IL NOME", 2 "STAMPA ESERCIZIO", 3 "ATTESTATO".
    void AzioneMenu(int index);

    // Controls, for the window's tests.
    OptionButtonMenu& menu() const { return *option1_; }
    // LblOp 1 to 20.
    QLabel& lblOp(int index) const { return *lblOp_.at(static_cast<size_t>(index - 1)); }
    QLabel& label1() const { return *label1_; }
    QLabel& label2() const { return *label2_; }
    QLabel& label5() const { return *label5_; }
    QAction& mnuScegli() const { return *mnuScegli_; }
    QWidget& client() const { return *client_; }
    // The sheet font chosen when the window opened.
    const std::optional<QString>& sheetFont() const { return sheetFont_; }

  signals:
    // "ESCI", once the times it empties are empty.
    void closeRequested();
    void nameRequested();
    void certificateRequested();
    // "Scegli la stampante": the printer window, modal over this one.
    void printerChoiceRequested();
    // The page to print, as one whole document titled `title`.
    void printRequested(const QString& title, const sd::PageDrawing& draw);

  private:
    void buildControls();
    void buildMenu();
    void recordLayout();
    void showExercise();
    void printSheet();

    DrillState& state_;
    QWidget* client_ = nullptr;
    QLabel* label5_ = nullptr;
    std::array<QLabel*, kPreviewLabels> lblOp_{};
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    OptionButtonMenu* option1_ = nullptr;
    QAction* mnuScegli_ = nullptr;
    ProportionalLayout* layout_ = nullptr;
    std::optional<QString> sheetFont_;
};

}  // namespace sd
