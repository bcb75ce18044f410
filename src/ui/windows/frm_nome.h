// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/twips.h"
#include "printing/name_entry.h"

#include <QWidget>

#include <vector>

class QFrame;
class QLabel;
class QPushButton;

namespace sd {

struct DrillState;
class OptionButtonMenu;
class ProportionalLayout;

// The name window frmNome: the pupil writes a name on an on-screen keyboard, or on the physical
// keyboard while "AVANTI" has the focus; a mouse press on "AVANTI" asks for the window to close.
// What is written goes to the Drill state at once, for the certificate.
class FrmNome final : public QWidget {
    Q_OBJECT
  public:
    static constexpr DesignSize kDesignSize{10140, 9015};

    explicit FrmNome(DrillState& state, QWidget* parent = nullptr);
    ~FrmNome() override;

    // Controls, for the window's tests.
    QLabel& lblNome() const { return *lblNome_; }
    // Command1 by index, as nameKeyboard() lists the keys.
    QPushButton& key(int index) const { return *keys_.at(static_cast<size_t>(index)); }
    QWidget& avanti() const;

  signals:
    void closeRequested();

  private:
    void buildControls();
    void buildKeyboard();
    void recordLayout();
    void show(const NameKeyResult& result);

    DrillState& state_;
    NameEntry entry_;
    QFrame* fraNome_ = nullptr;
    QLabel* label12_ = nullptr;
    QLabel* lblNome_ = nullptr;
    QLabel* label9_ = nullptr;
    QFrame* frame1_ = nullptr;
    std::vector<QPushButton*> keys_;
    OptionButtonMenu* option4_ = nullptr;
    ProportionalLayout* layout_ = nullptr;
};

}  // namespace sd
