// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

namespace sd {

// The two strokes of the cross drawn over a wrong answer (Line1 from the top-left to the
// bottom-right corner, Line2 from the bottom-left to the top-right one). It lets the mouse through.
class CrossOverlay final : public QWidget {
    Q_OBJECT
  public:
    explicit CrossOverlay(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace sd
