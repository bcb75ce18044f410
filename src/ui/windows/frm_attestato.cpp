// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/windows/frm_attestato.h"

#include "certificate/certificate_menu.h"
#include "certificate/certificate_page.h"
#include "platform/fonts.h"
#include "platform/twips.h"
#include "ui/widgets/certificate_surface.h"
#include "ui/widgets/look.h"
#include "ui/widgets/option_button_menu.h"
#include "ui/widgets/proportional_layout.h"

#include <QDateTime>
#include <QFrame>
#include <QLocale>

namespace sd {
namespace {

// The certificate builds up row by row, slowly enough for the pupil to see it.
constexpr int kRowIntervalMs = 40;

}  // namespace

FrmAttestato::FrmAttestato(DrillState& state, QWidget* parent) : QWidget(parent), state_(state) {
    setWindowTitle(QStringLiteral("Attestato"));
    buildControls();
    recordLayout();
    printable_ = loadCertificate(state_);
    const QStringList captions = certificateCaptions(printable_);
    for (int i = 0; i < option5_->count(); ++i) option5_->item(i)->setText(captions.at(i));
    applyPrintability(*option5_->logic(), printable_);
    option5_->setItemEnabled(kItemStampaAttestato, printable_);
    // The pupil starts on printing, or on going back when the certificate cannot be printed.
    const int first = printable_ ? kItemStampaAttestato : kItemTorna;
    option5_->logic()->setFocus(first);
    option5_->showFocus(first);

    drawing_ = buildCertificate(state_, QDateTime::currentDateTime(), QLocale::system());
    rows_.setInterval(kRowIntervalMs);
    connect(&rows_, &QTimer::timeout, this, &FrmAttestato::drawNextRow);
}

FrmAttestato::~FrmAttestato() = default;

void FrmAttestato::buildControls() {
    setGround(*this, kPink);
    picture1_ = new CertificateSurface(this);
    placeTwips(*picture1_, 0, -45, kSurfaceWidthTwips, kSurfaceHeightTwips);
    frame4_ = new QFrame(this);
    frame4_->setFrameShape(QFrame::NoFrame);
    setGround(*frame4_, kPink);
    placeTwips(*frame4_, 6720, 6615, 5184, 2070);

    option5_ = new OptionButtonMenu(frame4_, certificateCaptions(true), state_);
    option5_->useCommonRules(
        kCertificateKeys, [this](int index) { AzioneMenu(index); }, kCertificateMenuOptions);
    option5_->setFixedColours(toQColor(kCertificateItemColour), toQColor(kCertificateFocusColour));
    // "FINE SESSIONE" overlaps the lower edge of the option above it, as designed.
    const std::array<std::array<int, 2>, 3> places{{{96, 84}, {96, 732}, {45, 1290}}};
    for (int i = 0; i < option5_->count(); ++i) {
        QWidget& item = *option5_->item(i);
        item.setFont(designFont(kArial, 12, true));
        setTextColour(item, kDeepBlue);
        const auto& [left, top] = places.at(static_cast<size_t>(i));
        placeTwips(item, left, top, 5004, 630);
    }
    // The tab order runs from the last option up to the first.
    setTabOrder(option5_->item(2), option5_->item(1));
    setTabOrder(option5_->item(1), option5_->item(0));
    resize(designPixels(*this, kDesignSize));
}

void FrmAttestato::recordLayout() {
    layout_ = new ProportionalLayout(this);
    layout_->add(picture1_);
    layout_->add(frame4_);
    for (int i = 0; i < option5_->count(); ++i) layout_->add(option5_->item(i));
    layout_->record(size());
}

// Drawn once the window stands at its own size, one text row at a time.
void FrmAttestato::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (next_ == 0 && !rows_.isActive()) rows_.start();
}

void FrmAttestato::drawNextRow() {
    // The surface makes room for the whole drawing at the size the window stands at now.
    if (next_ == 0) picture1_->start(drawing_);
    while (next_ < drawing_.size()) {
        const SurfaceOp& op = drawing_[next_++];
        picture1_->draw(op);
        if (op.kind == SurfaceOpKind::CentredText) break;
    }
    if (drawn()) rows_.stop();
}

void FrmAttestato::finishDrawing() {
    while (!drawn()) drawNextRow();
}

void FrmAttestato::AzioneMenu(int index) {
    switch (certificateAction(index).value_or(CertificateAction::Back)) {
        case CertificateAction::Print:
            print();
            break;
        case CertificateAction::Back:
            emit backRequested();
            break;
        case CertificateAction::EndSession:
            emit endRequested();
            break;
    }
}

void FrmAttestato::print() {
    if (!printable_) return;
    finishDrawing();
    emit printRequested(QStringLiteral("Attestato"),
                        [page = certificatePrintPage(), drawing = drawing_](QPainter& painter) {
                            paintCertificatePage(page, drawing, painter);
                        });
}

}  // namespace sd
