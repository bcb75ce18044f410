// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "printing/printers.h"

namespace sd {

void Printers::ask() {
    if (list_ == PrinterList::Asked || known()) return;
    list_ = PrinterList::Asked;
    emit listWanted();
}

void Printers::answer(std::optional<std::vector<InstalledPrinter>> listed) {
    // The model stays one object, which the printer window holds.
    if (listed) model_ = PrinterModel(std::move(*listed));
    list_ = listed ? PrinterList::Listed : PrinterList::Unanswered;
    emit answered();
}

}  // namespace sd
