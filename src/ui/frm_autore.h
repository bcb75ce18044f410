// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include <array>

class QLabel;
class QPushButton;

namespace sd {

class App;

// The about window frmAutore, opened from "Autore" on the start window's menu bar; "C h i u d i"
// closes it. It has no menu, no keys of its own and does not follow resizes.
class FrmAutore final : public QWidget {
    Q_OBJECT
  public:
    // Design client area, in twips.
    static constexpr int kDesignWidth = 6975;
    static constexpr int kDesignHeight = 5700;

    explicit FrmAutore(App& app, QWidget* parent = nullptr);

    // Label1 to Label4 by their numbers.
    QLabel& label(int number) const { return *labels_.at(static_cast<size_t>(number - 1)); }
    QPushButton& command1() const { return *command1_; }

  private:
    App& app_;
    std::array<QLabel*, 4> labels_{};
    QPushButton* command1_ = nullptr;
};

}  // namespace sd
