// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "printing/name_entry.h"

#include <QWidget>

#include <vector>

class QFrame;
class QLabel;
class QPushButton;

namespace sd {

class App;
class OptionButtonMenu;
class ProportionalLayout;

// The name window frmNome: the pupil writes a name on an on-screen keyboard, or on the physical
// keyboard while "AVANTI" has the focus; a mouse press on "AVANTI" closes the window. What is
// written goes to the Drill state at once, for the certificate.
class FrmNome final : public QWidget {
    Q_OBJECT
  public:
    // Design client area, in twips.
    static constexpr int kDesignWidth = 10140;
    static constexpr int kDesignHeight = 9015;

    explicit FrmNome(App& app, QWidget* parent = nullptr);
    ~FrmNome() override;

    // Controls, for the window's tests.
    QLabel& lblNome() const { return *lblNome_; }
    // Command1 by index, as nameKeyboard() lists the keys.
    QPushButton& key(int index) const { return *keys_.at(static_cast<size_t>(index)); }
    QWidget& avanti() const;

  private:
    void buildControls();
    void buildKeyboard();
    void recordLayout();
    void show(const NameKeyResult& result);

    App& app_;
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
