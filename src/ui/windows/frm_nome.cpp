// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/windows/frm_nome.h"

#include "platform/accessibility.h"
#include "platform/fonts.h"
#include "platform/twips.h"
#include "state/drill_state.h"
#include "ui/widgets/look.h"
#include "ui/widgets/option_button_menu.h"
#include "ui/widgets/proportional_layout.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace sd {
namespace {

QFont fontOf(const KeyFont& font) {
    return designFont(font.family, font.points, font.bold);
}

void place(QWidget& control, const NameKey& key) {
    placeTwips(control, key.left, key.top, key.width, key.height);
}

QFrame* borderlessFrame(QWidget* parent, const QColor& ground) {
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::NoFrame);
    setGround(*frame, ground);
    return frame;
}

}  // namespace

FrmNome::FrmNome(DrillState& state, QWidget* parent)
    : QWidget(parent), state_(state), entry_(state) {
    setWindowTitle(kNameWindowTitle);
    setAccessibleName(QStringLiteral("Scrivi il tuo nome"));
    buildControls();
    recordLayout();
    lblNome_->setText(entry_.label());
}

FrmNome::~FrmNome() = default;

QWidget& FrmNome::avanti() const {
    return *option4_->item(0);
}

void FrmNome::buildControls() {
    fraNome_ = borderlessFrame(this, kLavender);
    placeTwips(*fraNome_, 2040, 360, 5808, 5508);
    label12_ = plainLabel(fraNome_, kNameHeading);
    label12_->setFont(designFont(kArial, 14.25, true));
    setTextColour(*label12_, kDarkRed);
    // Its box reaches into the name's, which is made later and so lies over it.
    placeTwips(*label12_, 465, 195, 4950, 465);
    lblNome_ = plainLabel(fraNome_);
    lblNome_->setObjectName(QStringLiteral("lblNome"));
    captionForScreenReaders(*lblNome_, QStringLiteral("Nome"));
    lblNome_->setFont(designFont(kArial, 24, true));
    setTextColour(*lblNome_, kRed);
    setGround(*lblNome_, palette().color(QPalette::Base));  // the system's window colour
    placeTwips(*lblNome_, 285, 585, 5415, 765);
    label9_ = plainLabel(fraNome_, kNameHint);
    label9_->setFont(designFont(kMsSansSerif, 12, true));
    placeTwips(*label9_, 168, 1932, 5412, 492);

    frame1_ = borderlessFrame(this, kPink);
    placeTwips(*frame1_, 270, 6090, 9495, 2475);
    buildKeyboard();
    resize(designPixels(*this, kDesignSize));
}

void FrmNome::buildKeyboard() {
    const std::vector<NameKey>& keyboard = nameKeyboard();
    for (size_t index = 0; index < keyboard.size(); ++index) {
        auto* button = new QPushButton(keyboard[index].caption, frame1_);
        button->setFont(fontOf(keyboard[index].font));
        // Enter and the blank both activate the focused key, as a click does.
        button->setAutoDefault(true);
        place(*button, keyboard[index]);
        connect(button, &QPushButton::clicked, this,
                [this, index] { show(entry_.onScreenKey(static_cast<int>(index))); });
        keys_.push_back(button);
    }

    // "AVANTI" is an option button: it takes the physical keys and closes the window on a press.
    const NameKey& design = avantiButton();
    option4_ = new OptionButtonMenu(frame1_, {design.caption}, state_);
    option4_->setFixedColours(kPeach, kPeach);
    option4_->setHighlightsFocus(false);
    QWidget& avanti = *option4_->item(0);
    avanti.setFont(fontOf(design.font));
    setTextColour(avanti, kRed);
    place(avanti, design);
    MenuRoutes routes;
    routes.keyDown = [this](int, int code) { show(entry_.keyDown(code)); };
    routes.keyUp = [this](int) { entry_.keyUp(); };
    routes.mousePress = [this](int) { emit closeRequested(); };
    option4_->route(std::move(routes));

    // The tab order: the keys as listed, "AVANTI" last; the focus starts on "A".
    QWidget* previous = keys_.front();
    for (QWidget* next : std::vector<QWidget*>(keys_.begin() + 1, keys_.end())) {
        setTabOrder(previous, next);
        previous = next;
    }
    setTabOrder(previous, &avanti);
    keys_.front()->setFocus();
}

void FrmNome::recordLayout() {
    layout_ = new ProportionalLayout(this);
    for (QWidget* control :
         std::initializer_list<QWidget*>{fraNome_, label12_, lblNome_, label9_, frame1_})
        layout_->add(control);
    for (QPushButton* key : keys_) layout_->add(key);
    layout_->add(option4_->item(0));
    layout_->record(size());
}

void FrmNome::show(const NameKeyResult& result) {
    lblNome_->setText(entry_.label());
    if (result.focusToAvanti) avanti().setFocus(Qt::OtherFocusReason);
}

}  // namespace sd
