// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace sd {

class PrinterModel;

inline const QString kNoPrinterInstalled = QStringLiteral("Nessuna stampante installata");
inline const QString kLookingForPrinters = QStringLiteral("Cerco le stampanti...");
inline const QString kPrintServiceSilent = QStringLiteral("Il servizio di stampa non risponde.");

// frmSceltaStampante without its widgets. One object per creation of the window: a window
// destroyed by its close box comes back as a fresh object, flag included.
//
// The list is filled once, when the print service has listed its queues (at creation, when it
// already has), and entry 0 is then selected by the window itself; that first selection of the
// window's life only sets the flag. Until then the list is empty and Label1 says that the printers
// are being looked for, or that the service does not answer. The ui fills the combo box with
// entries(), selects initialSelection() without forwarding that selection, and forwards every
// later selection to selectionMade().
class PrinterChoice {
  public:
    // The model is the program's, and outlives the window.
    explicit PrinterChoice(PrinterModel& printers);

    // The print service has listed its queues into the model: fills the list, once.
    void listed();
    // The print service has not answered, or is being asked again.
    void unanswered() { label1_ = kPrintServiceSilent; }
    void asking() { label1_ = kLookingForPrinters; }
    bool filled() const { return filled_; }

    // The installed printers' device names, as listed.
    const QStringList& entries() const { return entries_; }
    // Entry 0, or none with an empty list.
    std::optional<int> initialSelection() const;
    // Names the printer current when the list came (or says that there is none, or none yet).
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
    bool filled_ = false;
    bool selectionSeen_ = false;  // the program's own selection of entry 0 is not a choice
};

}  // namespace sd
