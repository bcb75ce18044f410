// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "certificate/certificate.h"
#include "platform/twips.h"
#include "ui/drawing/page_painter.h"

#include <QTimer>
#include <QWidget>

class QFrame;

namespace sd {

struct DrillState;
class CertificateSurface;
class OptionButtonMenu;
class ProportionalLayout;

// The certificate window FrmAttestato: the certificate of merit drawn on a white surface, row by
// row as the window comes up, and the menu "STAMPA L'ATTESTATO" (refused for "Non classificato"),
// "TORNA ALLA FINESTRA PRECEDENTE", "FINE SESSIONE", which it asks for through its signals.
class FrmAttestato final : public QWidget {
    Q_OBJECT
  public:
    static constexpr DesignSize kDesignSize{11940, 8820};

    explicit FrmAttestato(DrillState& state, QWidget* parent = nullptr);
    ~FrmAttestato() override;

    // The menu action: 0 print, 1 back to the print window, 2 end of the session.
    void AzioneMenu(int index);
    // Draws what is left of the certificate at once.
    void finishDrawing();
    bool drawn() const { return next_ >= drawing_.size(); }

    // Controls, for the window's tests.
    OptionButtonMenu& menu() const { return *option5_; }
    CertificateSurface& picture1() const { return *picture1_; }

  signals:
    // The certificate page to print, as one whole document titled `title`.
    void printRequested(const QString& title, const sd::PageDrawing& draw);
    // "TORNA ALLA FINESTRA PRECEDENTE": this window goes, the print window comes back.
    void backRequested();
    // "FINE SESSIONE": every window goes and the program ends.
    void endRequested();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void buildControls();
    void recordLayout();
    void drawNextRow();
    void print();

    DrillState& state_;
    bool printable_ = false;
    SurfaceOps drawing_;
    size_t next_ = 0;  // the next operation to draw
    QTimer rows_;
    CertificateSurface* picture1_ = nullptr;
    QFrame* frame4_ = nullptr;
    OptionButtonMenu* option5_ = nullptr;
    ProportionalLayout* layout_ = nullptr;
};

}  // namespace sd
