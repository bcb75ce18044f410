// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/windows/frm_stampa_esercizio.h"

#include "platform/fonts.h"
#include "platform/twips.h"
#include "printing/exercise_sheet.h"
#include "printing/font_names.h"
#include "state/drill_state.h"
#include "ui/widgets/look.h"
#include "ui/widgets/message_box.h"
#include "ui/widgets/option_button_menu.h"
#include "ui/widgets/proportional_layout.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>

namespace sd {
namespace {

constexpr int kItemEsci = 0;
constexpr int kItemNome = 1;
constexpr int kItemStampa = 2;
constexpr int kItemAttestato = 3;

const OptionMenu::KeyMap kPrintKeys{
    {vk::kDigit0 + 1, kItemEsci},      {vk::kPad0 + 0, kItemEsci},
    {vk::kDigit0 + 2, kItemNome},      {vk::kPad0 + 1, kItemNome},
    {vk::kDigit0 + 3, kItemStampa},    {vk::kPad0 + 2, kItemStampa},
    {vk::kDigit0 + 4, kItemAttestato}, {vk::kPad0 + 3, kItemAttestato},
};

// Tops of LblOp 1 to 20; labels 1 to 10 stand at left 45, labels 11 to 20 at left 75.
constexpr std::array<int, kPreviewLabels> kPreviewTops{
    600,  870,  1140, 1410, 1680, 1950, 2220, 2505, 2775, 3045,
    3480, 3750, 4020, 4290, 4560, 4830, 5100, 5370, 5640, 5925,
};

// Labels 1 to 4 and 11 to 14 are drawn in Courier 12 pt, the others in the window's 9.75 pt.
double previewPoints(int label) {
    const int inBlock = (label - 1) % 10;
    return inBlock < 4 ? 12.0 : 9.75;
}

}  // namespace

FrmStampaEsercizio::FrmStampaEsercizio(DrillState& state, QWidget* parent)
    : QMainWindow(parent), state_(state) {
    setWindowTitle(QStringLiteral("FINESTRA DI STAMPA "));
    setFont(designFont(kCourier, 9.75));
    buildControls();
    recordLayout();
    showExercise();
}

FrmStampaEsercizio::~FrmStampaEsercizio() = default;

void FrmStampaEsercizio::buildControls() {
    client_ = new QWidget(this);
    setCentralWidget(client_);
    setGround(*this, kCyan);
    setGround(*client_, kCyan);
    mnuScegli_ = menuBar()->addAction(QStringLiteral("Scegli la stampante"));
    connect(mnuScegli_, &QAction::triggered, this, &FrmStampaEsercizio::printerChoiceRequested);

    label5_ = plainLabel(client_, QStringLiteral("E S E R C I Z I   E S E G U I T I "));
    label5_->setFont(designFont(kArial, 15.75, true));
    label5_->setAlignment(Qt::AlignCenter);
    setTextColour(*label5_, kDarkRed);
    placeTwips(*label5_, 90, 120, 11565, 555);

    for (int label = 1; label <= kPreviewLabels; ++label) {
        QLabel* line = plainLabel(client_);
        line->setObjectName(QStringLiteral("LblOp_%1").arg(label));
        line->setFont(designFont(kCourier, previewPoints(label)));
        setGround(*line, kPaleCyan);
        setTextColour(*line, kMaroon);
        const int left = label <= 10 ? 45 : 75;
        // A little higher than they are apart, so no stripe of the window shows between them.
        placeTwips(*line, left, kPreviewTops.at(static_cast<size_t>(label - 1)), 7845, 285);
        lblOp_.at(static_cast<size_t>(label - 1)) = line;
    }

    for (QLabel** time : {&label1_, &label2_}) {
        *time = plainLabel(client_);
        (*time)->setFont(designFont(kArial, 8.25, true));
        setGround(**time, kPaleCyan);
    }
    placeTwips(*label1_, 8310, 1110, 2625, 525);
    placeTwips(*label2_, 8310, 2385, 2625, 525);
    buildMenu();

    client_->resize(designPixels(*this, kDesignSize));
    resize(client_->width(), client_->height() + menuBar()->sizeHint().height());
}

void FrmStampaEsercizio::buildMenu() {
    option1_ =
        new OptionButtonMenu(client_,
                             {QStringLiteral("ESCI"), QStringLiteral("SCRIVI IL NOME"),
                              QStringLiteral("STAMPA ESERCIZIO"), QStringLiteral("ATTESTATO")},
                             state_);
    option1_->useCommonRules(kPrintKeys, [this](int index) { AzioneMenu(index); });
    option1_->setRestingColour(kPeach);
    const std::array<int, 4> lefts{180, 3030, 5865, 8760};
    for (int i = 0; i < option1_->count(); ++i) {
        QWidget& item = *option1_->item(i);
        item.setFont(designFont(kArial, 11.25, true));
        placeTwips(item, lefts.at(static_cast<size_t>(i)), 7200, 2800, 720);
    }
    option1_->logic()->setFocus(kItemEsci);
    option1_->showFocus(kItemEsci);
}

void FrmStampaEsercizio::recordLayout() {
    layout_ = new ProportionalLayout(client_);
    layout_->add(label5_);
    for (QLabel* line : lblOp_) layout_->add(line);
    layout_->add(label1_);
    layout_->add(label2_);
    for (int i = 0; i < option1_->count(); ++i) layout_->add(option1_->item(i));
    layout_->addPlaceless(ControlKind::MenuItem);  // mnuScegli
    layout_->record(client_->size());
}

// What the window shows is the Drill state as it stands now; it is not refreshed later.
void FrmStampaEsercizio::showExercise() {
    sheetFont_ = chooseSheetFont(printerFontNames(systemFontFamilies()));
    if (!sheetFont_) showMessage(this, kNoCourierMessage);
    const DrillState& state = state_;
    const std::optional<PreviewFont> font = previewFont(sheetFont_);
    for (int label = 1; label <= sheetLineCount(state); ++label) {
        QLabel& line = lblOp(label);
        if (font) line.setFont(designFont(font->family, font->points, font->bold));
        line.setText(previewLine(state, label));
    }
    label1_->setText(timeLabelText(state.exerciseTimes[1]));
    label2_->setText(timeLabelText(state.exerciseTimes[2]));
}

void FrmStampaEsercizio::AzioneMenu(int index) {
    switch (index) {
        case kItemEsci:
            state_.clearExerciseTimes(DrillState::kTimesClearedOnLeavingPrint);
            emit closeRequested();
            break;
        case kItemNome:
            emit nameRequested();
            break;
        case kItemStampa:
            printSheet();
            break;
        case kItemAttestato:
            emit certificateRequested();
            break;
        default:
            break;
    }
}

void FrmStampaEsercizio::printSheet() {
    const SheetPrint job = printExerciseSheet(state_, printerFontNames(systemFontFamilies()));
    if (!job.message.isEmpty()) {
        showMessage(this, job.message);
        return;
    }
    emit printRequested(QStringLiteral("Esercizio"),
                        [sheet = job.sheet](QPainter& painter) { paintPage(sheet, painter); });
}

}  // namespace sd
