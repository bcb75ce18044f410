// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/windows/frm_scelta_stampante.h"

#include "platform/fonts.h"
#include "platform/twips.h"
#include "ui/widgets/drawn_controls.h"
#include "ui/widgets/look.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>

namespace sd {
namespace {

// The texts keep their line break as CR LF; a label breaks the line at the LF alone.
QString onScreen(QString text) {
    return text.remove(QLatin1Char('\r'));
}

}  // namespace

FrmSceltaStampante::FrmSceltaStampante(Printers& printers, QWidget* parent)
    : QDialog(parent), printers_(printers), choice_(printers.model()) {
    setWindowTitle(QStringLiteral("Form1"));
    setAccessibleName(QStringLiteral("Scelta della stampante"));
    setGround(*this, kPaleYellow);

    label1_ = plainLabel(this);
    label2_ = plainLabel(this);
    for (QLabel* label : {label1_, label2_}) {
        label->setFont(designFont(kMsSansSerif, 9.75, true));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    placeTwips(*label1_, 432, 168, 1716, 1524);
    placeTwips(*label2_, 3276, 120, 1704, 1452);

    combo1_ = new QComboBox(this);
    combo1_->setFont(designFont(kMsSansSerif, 9.75, true));
    combo1_->setAccessibleName(QStringLiteral("Stampanti"));
    placeTwips(*combo1_, 612, 2400, 4632, 0);
    combo1_->resize(combo1_->width(), combo1_->sizeHint().height());
    connect(combo1_, &QComboBox::activated, this, &FrmSceltaStampante::chosen);

    command2_ = new FlatButton(QStringLiteral("C H I U D I"), kYellow, this);
    command2_->setFont(designFont(kMsSansSerif, 13.5, true));
    placeTwips(*command2_, 1128, 4188, 3168, 648);
    connect(command2_, &QPushButton::clicked, this, &QDialog::hide);

    setFixedSize(designPixels(*this, kDesignSize));

    connect(&printers_, &Printers::answered, this, &FrmSceltaStampante::printersAnswered);
    if (printers_.known())
        fillList();
    else
        printers_.ask();
    showLabel1();
}

FrmSceltaStampante::~FrmSceltaStampante() = default;

// Shown again while the service has not answered: it is asked again, a teacher may have mended it.
void FrmSceltaStampante::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (choice_.filled() || printers_.list() != PrinterList::Unanswered) return;
    choice_.asking();
    showLabel1();
    printers_.ask();
}

void FrmSceltaStampante::printersAnswered() {
    if (choice_.filled()) return;
    if (printers_.list() == PrinterList::Listed)
        fillList();
    else
        choice_.unanswered();
    showLabel1();
}

void FrmSceltaStampante::fillList() {
    choice_.listed();
    combo1_->addItems(choice_.entries());
    // The window's own selection of the first printer is no choice of the pupil's.
    const QSignalBlocker quiet(combo1_);
    combo1_->setCurrentIndex(choice_.initialSelection().value_or(-1));
}

void FrmSceltaStampante::showLabel1() {
    label1_->setText(onScreen(choice_.label1()));
}

void FrmSceltaStampante::chosen(int index) {
    choice_.selectionMade(combo1_->itemText(index));
    label2_->setText(onScreen(choice_.label2()));
}

}  // namespace sd
