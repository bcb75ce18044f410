// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/twips.h"

#include <QWidget>

#include <array>

class QLabel;
class QPushButton;

namespace sd {

// The about window frmAutore, opened from "Autore" on the start window's menu bar; "C h i u d i"
// asks for it to close. It has no menu, no keys of its own and does not follow resizes.
class FrmAutore final : public QWidget {
    Q_OBJECT
  public:
    static constexpr DesignSize kDesignSize{6975, 5700};

    explicit FrmAutore(QWidget* parent = nullptr);

    // Label1 to Label4 by their numbers.
    QLabel& label(int number) const { return *labels_.at(static_cast<size_t>(number - 1)); }
    QPushButton& command1() const { return *command1_; }

  signals:
    void closeRequested();

  private:
    std::array<QLabel*, 4> labels_{};
    QPushButton* command1_ = nullptr;
};

}  // namespace sd
