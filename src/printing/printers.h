// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "printing/printer_model.h"

#include <QObject>

#include <optional>
#include <vector>

namespace sd {

// How far the print service has told its queues.
enum class PrinterList {
    Unasked,
    Asked,       // its answer is awaited
    Listed,      // it answered, possibly with no queue
    Unanswered,  // it did not answer within its patience
};

// The installed printers and the program's current printer, which every printout uses, as far as
// the print service has told them: none until it has listed its queues. The printer window and
// the print flow share this one object; whoever speaks to the print service answers listWanted()
// with answer().
class Printers final : public QObject {
    Q_OBJECT
  public:
    PrinterModel& model() { return model_; }
    PrinterList list() const { return list_; }
    // The print service has listed some queues: they are not asked for again.
    bool known() const { return list_ == PrinterList::Listed && !model_.installed().empty(); }

    // Asks for the queues, without waiting for the answer, unless they are asked for already or
    // known: the first time something needs them, and again for as long as none is listed.
    void ask();
    // The print service's queues, or nothing when it did not answer within its patience.
    void answer(std::optional<std::vector<InstalledPrinter>> listed);

  signals:
    void listWanted();
    // The service answered, or did not within its patience.
    void answered();

  private:
    PrinterModel model_;
    PrinterList list_ = PrinterList::Unasked;
};

}  // namespace sd
