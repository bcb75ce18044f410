// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "printing/printer_choice.h"

#include "printing/printer_model.h"

namespace sd {
namespace {

const QString kLineBreak = QStringLiteral("\r\n");

}  // namespace

PrinterChoice::PrinterChoice(PrinterModel& printers)
    : printers_(printers), label1_(kLookingForPrinters) {}

void PrinterChoice::listed() {
    if (filled_) return;
    filled_ = true;
    for (const InstalledPrinter& printer : printers_.installed())
        entries_.append(printer.deviceName);
    if (const auto first = initialSelection()) selectionMade(entries_[*first]);
    label1_ = printers_.currentIndex() ? QStringLiteral("La stampante predefinita è ") +
                                             kLineBreak + printers_.currentName()
                                       : kNoPrinterInstalled;
}

std::optional<int> PrinterChoice::initialSelection() const {
    if (entries_.isEmpty()) return std::nullopt;
    return 0;
}

void PrinterChoice::selectionMade(const QString& text) {
    if (!selectionSeen_) {
        selectionSeen_ = true;
        return;
    }
    printers_.select(text);
    label2_ = QStringLiteral("La stampante scelta è ") + kLineBreak + printers_.currentName();
}

}  // namespace sd
