// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/windows/frm_inizio.h"

#include "platform/fonts.h"
#include "platform/twips.h"
#include "platform/window_title.h"
#include "state/colours.h"
#include "state/drill_state.h"
#include "ui/widgets/drawn_controls.h"
#include "ui/widgets/look.h"
#include "ui/widgets/option_button_menu.h"
#include "ui/widgets/proportional_layout.h"

#include <QAction>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>

namespace sd {
namespace {

constexpr int kItemMultipli = 0;
constexpr int kItemSottomultipli = 1;
constexpr int kItemEsci = 2;

const OptionMenu::KeyMap kStartKeys{
    {vk::kDigit0 + 1, kItemMultipli},      {vk::kPad0 + 1, kItemMultipli},
    {vk::kDigit0 + 2, kItemSottomultipli}, {vk::kPad0 + 2, kItemSottomultipli},
    {vk::kDigit0 + 3, kItemEsci},          {vk::kPad0 + 3, kItemEsci},
};

}  // namespace

FrmInizio::FrmInizio(DrillState& state, QWidget* parent) : QMainWindow(parent), state_(state) {
    showEmptyTitle(*this);
    // The title bar stays empty; a screen reader still says which program this is.
    setAccessibleName(QStringLiteral("Il sistema decimale"));
    buildControls();
    AvviaTendine();
    recordLayout();
    ImpostaColori(state_);
    colourControls();
    setCaptions();
}

FrmInizio::~FrmInizio() = default;

void FrmInizio::buildControls() {
    client_ = new QWidget(this);
    setCentralWidget(client_);
    mnuAutore_ = menuBar()->addAction(QStringLiteral("Autore"));
    connect(mnuAutore_, &QAction::triggered, this, &FrmInizio::aboutRequested);

    // The frames go first so that the title and the strip are drawn over them.
    shape2_ = new RoundedShape(client_);
    placeTwips(*shape2_, 75, 240, 11655, 1305);
    shape1_ = new RoundedShape(client_);
    placeTwips(*shape1_, 75, 300, 11655, 1305);

    label4_[0] = plainLabel(client_);
    label4_[0]->setFont(designFont(kArial, 36, true));
    label4_[0]->setAlignment(Qt::AlignCenter);
    setTextColour(*label4_[0], kDeepBlue);
    // Its box is a little taller than the design's, about the same middle: on a screen 720
    // pixels high the design's is a pixel shorter than the line.
    placeTwips(*label4_[0], 210, 330, 11505, 645);

    label4_[1] = plainLabel(client_, QStringLiteral("uk   -   h   da   u   -    d   c   m"));
    label4_[1]->setFont(designFont(kArial, 20.25, true));
    label4_[1]->setAlignment(Qt::AlignCenter);
    setTextColour(*label4_[1], kMaroon);
    placeTwips(*label4_[1], 210, 1065, 11385, 405);

    image1_ = new LegendPicture(client_);
    placeTwips(*image1_, 210, 2640, 4545, 4545);

    frame1_ = new BoxFrame(client_, QFrame::Sunken);
    placeTwips(*frame1_, 5010, 2775, 5655, 4080);
    buildMenu();

    label5_ = plainLabel(client_, QStringLiteral("Il valore posizionale delle cifre"));
    label5_->setFont(designFont(kArial, 26.25, true));
    setTextColour(*label5_, kRed);
    // Its box runs a little past the client area's bottom; the centred line stays inside.
    placeTwips(*label5_, 180, 7545, 9105, 660);

    label1_ = plainLabel(client_, QStringLiteral("vers. 10.00"));
    label1_->setFont(designFont(kMsSansSerif, 9.75));
    placeTwips(*label1_, 10095, 7590, 1335, 420);

    // The curtain lies over everything else.
    picture1_ = new QWidget(client_);
    picture1_->setObjectName(QStringLiteral("Picture1"));
    picture2_ = new QWidget(client_);
    picture2_->setObjectName(QStringLiteral("Picture2"));
    timerTendine_.setInterval(CurtainSteps::kIntervalMs);
    connect(&timerTendine_, &QTimer::timeout, this, &FrmInizio::tickTendine);

    // Design size of the client area; the window then opens maximised.
    client_->resize(designPixels(*this, kDesignSize));
    resize(client_->width(), client_->height() + menuBar()->sizeHint().height());
}

void FrmInizio::buildMenu() {
    option1_ =
        new OptionButtonMenu(frame1_, {QString(), QString(), QStringLiteral("ESCI")}, state_);
    option1_->useCommonRules(kStartKeys, [this](int index) { AzioneMenu(index); });
    const std::array<std::array<int, 2>, 3> places{{{105, 555}, {105, 1410}, {90, 2655}}};
    for (int i = 0; i < option1_->count(); ++i) {
        QWidget& item = *option1_->item(i);
        item.setFont(designFont(kArial, 15.75, true));
        setTextColour(item, kMaroon);
        const auto& [left, top] = places.at(static_cast<size_t>(i));
        placeTwips(item, left, top, 5370, 795);
    }
}

void FrmInizio::recordLayout() {
    layout_ = new ProportionalLayout(client_);
    for (QWidget* control : std::initializer_list<QWidget*>{
             label4_[0], label4_[1], shape1_, shape2_, image1_, frame1_, option1_->item(0),
             option1_->item(1), option1_->item(2), label5_, label1_})
        layout_->add(control);
    layout_->add(picture1_, ControlKind::DockedLeft);
    layout_->add(picture2_, ControlKind::DockedRight);
    layout_->addPlaceless(ControlKind::Timer);     // timerTendine
    layout_->addPlaceless(ControlKind::MenuItem);  // mnuAutore
    layout_->record(client_->size());
    layout_->setAfterApply([this] { takeCurtainFromLayout(); });
}

void FrmInizio::colourControls() {
    const QColor normal = colourOfText(state_.normalColour);
    for (QWidget* control : std::initializer_list<QWidget*>{label4_[0], label4_[1], frame1_,
                                                            label5_, label1_, picture1_, picture2_})
        setGround(*control, normal);
    // The title's box reaches into the corners of the rounded shapes: it leaves them showing.
    label4_[0]->setAutoFillBackground(false);
    option1_->repaintColours();
    setGround(*client_, normal);
}

void FrmInizio::setCaptions() {
    label4_[0]->setText(QStringLiteral("IL SISTEMA DECIMALE"));
    option1_->item(kItemMultipli)->setText(QStringLiteral("I MULTIPLI"));
    option1_->item(kItemSottomultipli)->setText(QStringLiteral("I SOTTOMULTIPLI"));
}

bool FrmInizio::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) activated();
    return QMainWindow::event(event);
}

void FrmInizio::activated() {
    option1_->logic()->setFocus(kItemMultipli);
    option1_->showFocus(kItemMultipli);
    ImpostaColori(state_);
    option1_->repaintColours();
}

void FrmInizio::AzioneMenu(int index) {
    switch (index) {
        case kItemMultipli:
            chooseExercise(1, QStringLiteral("I multipli"));
            break;
        case kItemSottomultipli:
            chooseExercise(2, QStringLiteral("I sottomultipli"));
            break;
        case kItemEsci:
            emit endRequested();
            break;
        default:
            return;
    }
    state_.subjectTitle = QStringLiteral("SISTEMA DECIMALE");
    state_.topicTitle = QStringLiteral("I valori di posizione");
}

void FrmInizio::chooseExercise(int kind, const QString& title) {
    // The exercise window's load reads the kind; the title is set only once it is shown.
    state_.exerciseKind = static_cast<int16_t>(kind);
    emit exerciseRequested();
    state_.exerciseTitle = title;
}

void FrmInizio::AvviaTendine() {
    curtain_ = CurtainSteps::start(static_cast<int>(pixelsToTwipsX(*this, width())));
    placeCurtain();
    timerTendine_.start();
}

void FrmInizio::tickTendine() {
    const QColor highlight = colourOfText(state_.highlightColour);
    setGround(*picture1_, highlight);
    setGround(*picture2_, highlight);
    const CurtainSteps::Tick tick = CurtainSteps::tick(curtain_);
    curtain_ = tick.widths;
    placeCurtain();
    if (!tick.open) return;
    timerTendine_.stop();
    // Open for good: a later resize must not draw the curtain over the window again.
    layout_->leave(picture1_);
    layout_->leave(picture2_);
    picture1_->hide();
    picture2_->hide();
}

// A resize stretches the panels with the window; the curtain goes on from their new widths.
void FrmInizio::takeCurtainFromLayout() {
    if (!timerTendine_.isActive()) return;
    curtain_ = {static_cast<int>(pixelsToTwipsX(*this, picture1_->width())),
                static_cast<int>(pixelsToTwipsX(*this, picture2_->width()))};
}

void FrmInizio::placeCurtain() {
    const int height = client_->height();
    const int left = twipsToPixelsX(*this, curtain_.left);
    const int right = twipsToPixelsX(*this, curtain_.right);
    picture1_->setGeometry(0, 0, left, height);
    picture2_->setGeometry(client_->width() - right, 0, right, height);
}

}  // namespace sd
