// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <cstddef>
#include <optional>
#include <vector>

namespace sd {

struct InstalledPrinter {
    QString deviceName;
    bool isDefault = false;  // the system's default printer
};

// The installed printers in the system's order and the program's current printer, which every
// printout uses, as the print service listed them (Printers); the index of the current printer
// tells which printer that is, even between two of the same name.
class PrinterModel {
  public:
    // The current printer starts as the system's default, else the first printer, else none.
    explicit PrinterModel(std::vector<InstalledPrinter> installed = {});

    const std::vector<InstalledPrinter>& installed() const { return installed_; }
    std::optional<std::size_t> currentIndex() const { return current_; }
    // The current printer's device name; empty with no printer.
    QString currentName() const;

    // Makes the first printer of that exact device name current; an unknown name changes
    // nothing. Tells whether a printer was found.
    bool select(const QString& deviceName);

  private:
    std::vector<InstalledPrinter> installed_;
    std::optional<std::size_t> current_;
};

}  // namespace sd
