// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace sd {

class PrinterModel;

inline const QString kNoPrinterInstalled = QStringLiteral("Nessuna stampante installata");

// frmSceltaStampante without its widgets. One object per creation of the window: a window
// destroyed by its close box comes back as a fresh object, flag included.
//
// Creation fills the list once and selects entry 0 itself; that first selection of the window's
// life only sets the flag. The ui fills the combo box with entries(), selects initialSelection()
// without forwarding that selection, and forwards every later selection to selectionMade().
class PrinterChoice {
  public:
    // The model is the program's, and outlives the window.
    explicit PrinterChoice(PrinterModel& printers);

    // The installed printers' device names, as at creation.
    const QStringList& entries() const { return entries_; }
    // Entry 0, or none with an empty list.
    std::optional<int> initialSelection() const;
    // Names the printer current at creation (or says that there is none).
    const QString& label1() const { return label1_; }
    // Names the printer chosen; empty until a choice.
    const QString& label2() const { return label2_; }

    // A selection in the list, with the combo box's text: makes the first printer of that name
    // current and names the current printer in Label2.
    void selectionMade(const QString& text);

  private:
    PrinterModel& printers_;
    QStringList entries_;
    QString label1_;
    QString label2_;
    bool selectionSeen_ = false;  // the program's own selection at creation is not a choice
};

}  // namespace sd
