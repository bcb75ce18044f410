// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/twips.h"
#include "printing/printer_choice.h"
#include "printing/printers.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

namespace sd {

// The printer window frmSceltaStampante: the installed printers in a list, as the print service
// listed them once the window was there; a choice makes that printer the program's current one.
// The window opens at once: until the service answers, the list is empty and Label1 says why.
// "C H I U D I" only hides the window, so a later opening shows it as it was left; its close box
// destroys it. It reads and writes the printers, which it asks for when they are not known.
class FrmSceltaStampante final : public QDialog {
    Q_OBJECT
  public:
    static constexpr DesignSize kDesignSize{6060, 5460};

    explicit FrmSceltaStampante(Printers& printers, QWidget* parent = nullptr);
    ~FrmSceltaStampante() override;

    // Controls, for the window's tests.
    QLabel& label1() const { return *label1_; }
    QLabel& label2() const { return *label2_; }
    QComboBox& combo1() const { return *combo1_; }
    QPushButton& command2() const { return *command2_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void chosen(int index);
    void printersAnswered();
    void fillList();
    void showLabel1();

    Printers& printers_;
    PrinterChoice choice_;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QComboBox* combo1_ = nullptr;
    QPushButton* command2_ = nullptr;
};

}  // namespace sd
