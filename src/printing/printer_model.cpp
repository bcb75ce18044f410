// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "printing/printer_model.h"

#include <algorithm>
#include <utility>

namespace sd {

PrinterModel::PrinterModel(std::vector<InstalledPrinter> installed)
    : installed_(std::move(installed)) {
    const auto isDefault = [](const InstalledPrinter& p) { return p.isDefault; };
    const auto found = std::find_if(installed_.begin(), installed_.end(), isDefault);
    if (found != installed_.end()) {
        current_ = static_cast<std::size_t>(found - installed_.begin());
    } else if (!installed_.empty()) {
        current_ = 0;
    }
}

QString PrinterModel::currentName() const {
    return current_ ? installed_[*current_].deviceName : QString();
}

bool PrinterModel::select(const QString& deviceName) {
    for (std::size_t i = 0; i < installed_.size(); ++i) {
        if (installed_[i].deviceName == deviceName) {
            current_ = i;
            return true;
        }
    }
    return false;
}

}  // namespace sd
