// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/windows/frm_autore.h"

#include "platform/fonts.h"
#include "platform/twips.h"
#include "ui/widgets/drawn_controls.h"
#include "ui/widgets/look.h"

#include <QLabel>

namespace sd {
namespace {

struct LabelDesign {
    const char* text;
    int left, top, width, height;
    bool address;  // the two answers are bold and blue, their headings plain
};

// The program names no author, so the two addresses say so plainly instead of inventing one.
const std::array<LabelDesign, 4> kLabels{{
    {"Sito dell'autore:", 200, 465, 4455, 435, false},
    {"Programma didattico libero", 165, 945, 6795, 510, true},
    {"Email:", 225, 1860, 1350, 435, false},
    {"nessun indirizzo", 180, 2310, 5955, 510, true},
}};

}  // namespace

FrmAutore::FrmAutore(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Autore"));
    setGround(*this, kPaleCyan);
    for (size_t i = 0; i < kLabels.size(); ++i) {
        const LabelDesign& design = kLabels[i];
        QLabel* label = plainLabel(this, QString::fromUtf8(design.text));
        label->setFont(designFont(kArial, 18, design.address));
        if (design.address) setTextColour(*label, kDeepBlue);
        placeTwips(*label, design.left, design.top, design.width, design.height);
        labels_[i] = label;
    }
    command1_ = new FlatButton(QStringLiteral("C h i u d i"), kCyan, this);
    command1_->setFont(designFont(kArial, 12));
    placeTwips(*command1_, 2070, 4005, 2700, 705);
    connect(command1_, &QPushButton::clicked, this, &FrmAutore::closeRequested);

    resize(designPixels(*this, kDesignSize));
}

}  // namespace sd
