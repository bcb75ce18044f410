// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/windows/frm_operativo.h"

#include "platform/accessibility.h"
#include "platform/fonts.h"
#include "platform/twips.h"
#include "state/drill_state.h"
#include "ui/widgets/cross_overlay.h"
#include "ui/widgets/drawn_controls.h"
#include "ui/widgets/look.h"
#include "ui/widgets/option_button_menu.h"
#include "ui/widgets/proportional_layout.h"

#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>

namespace sd {
namespace {

// Gap between the answer and the correction beside it.
constexpr double kCorrectionGap = 10;

// Keypad keys in three rows: "10" "100" "1.000" / four unit symbols / "verifica" "avanti" "esco".
constexpr std::array<TwipsBox, kKeyCount> kKeyPlaces{{
    {90, 90, 1770, 600},
    {1920, 90, 1770, 600},
    {3750, 90, 1770, 600},
    {90, 750, 1320, 600},
    {1470, 750, 1320, 600},
    {2850, 750, 1320, 600},
    {4230, 750, 1290, 600},
    {90, 1410, 1770, 600},
    {1920, 1410, 1770, 600},
    {3750, 1410, 1770, 600},
}};

constexpr TwipsBox kFramePlace{6060, 5880, 5610, 2130};

QLabel* makeLabel(QWidget* parent, const char* name, const QFont& font, const QColor& colour,
                  Qt::Alignment alignment = Qt::AlignCenter, const QString& text = {}) {
    QLabel* label = plainLabel(parent, text);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    label->setAlignment(alignment);
    setTextColour(*label, colour);
    return label;
}

QFrame* makeFrame(QWidget* parent, const char* name) {
    auto* frame = new BoxFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    return frame;
}

// The model's handlers of one menu's events.
struct MenuHandlers {
    FocusArea area;
    void (OperativoModel::*keyDown)(int, int);
    void (OperativoModel::*keyChar)(int, char16_t);
    void (OperativoModel::*keyUp)(int);
    void (OperativoModel::*mousePress)(int);
    void (OperativoModel::*mouseRelease)(int);
};

constexpr MenuHandlers kKeypadHandlers{FocusArea::Keypad,
                                       &OperativoModel::keypadKeyDown,
                                       &OperativoModel::keypadKeyChar,
                                       &OperativoModel::keypadKeyUp,
                                       &OperativoModel::keypadMousePress,
                                       &OperativoModel::keypadMouseRelease};
constexpr MenuHandlers kAvvisoHandlers{FocusArea::Avviso,
                                       &OperativoModel::avvisoKeyDown,
                                       &OperativoModel::avvisoKeyChar,
                                       &OperativoModel::avvisoKeyUp,
                                       &OperativoModel::avvisoMousePress,
                                       &OperativoModel::avvisoMouseRelease};

MenuRoutes routesTo(OperativoModel& model, const MenuHandlers& h) {
    MenuRoutes routes;
    routes.keyDown = [&model, h](int index, int code) { (model.*h.keyDown)(index, code); };
    routes.keyChar = [&model, h](int index, char16_t character) {
        (model.*h.keyChar)(index, character);
    };
    routes.keyUp = [&model, h](int index) { (model.*h.keyUp)(index); };
    routes.mousePress = [&model, h](int index) { (model.*h.mousePress)(index); };
    routes.mouseRelease = [&model, h](int index) { (model.*h.mouseRelease)(index); };
    routes.focusIn = [&model, h](int index) { model.focusMovedTo({h.area, index}); };
    return routes;
}

QStringList keyCaptions(const ExerciseView& view) {
    QStringList captions;
    for (const QString& caption : view.keyCaptions) captions << caption;
    return captions;
}

}  // namespace

FrmOperativo::FrmOperativo(DrillState& state, Clock& clock, RandomSource& random, QWidget* parent)
    : QMainWindow(parent), state_(state), model_(state, clock, random) {
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    setCentralWidget(client_);
    QAction* visualizza = menuBar()->addAction(QStringLiteral("Visualizza"));
    visualizza->setObjectName(QStringLiteral("mnuVisualizza"));
    connect(visualizza, &QAction::triggered, &model_, &OperativoModel::visualizza);

    client_->resize(designPixels(*client_, kDesignSize));
    buildControls();
    registerLayout();

    // The window and all its controls take the normal colour of the menus.
    setGround(*this, colourOfText(state_.normalColour));
    for (QWidget* control : client_->findChildren<QWidget*>())
        setGround(*control, colourOfText(state_.normalColour));
    setGround(*client_, colourOfText(state_.normalColour));
    keypad_->repaintColours();
    avviso_->repaintColours();
    finito_->repaintColours();

    connectModel();
    model_.load();
    render();
    client_->installEventFilter(this);
}

FrmOperativo::~FrmOperativo() = default;

void FrmOperativo::buildControls() {
    shape1_ = makeFrame(client_, "Shape1");
    // A drawn shape, not a control: the mouse reaches the window through it.
    shape1_->setAttribute(Qt::WA_TransparentForMouseEvents);
    placeTwips(*shape1_, {90, 45, 11700, 1170});
    label1_ = makeLabel(client_, "Label1", designFont(kArial, 24, true), kDeepBlue);
    placeTwips(*label1_, {210, 90, 11460, 600});
    label3_ = makeLabel(client_, "Label3", designFont(kArial, 15.75, true), kDarkRed);
    placeTwips(*label3_, {210, 690, 11460, 450});

    const QFont small = designFont(kMsSansSerif, 8.25);
    const QColor systemText = palette().color(QPalette::WindowText);
    label2_ = makeLabel(client_, "Label2", small, systemText, Qt::AlignLeft | Qt::AlignVCenter);
    placeTwips(*label2_, {210, 1260, 1200, 300});
    label7_ = makeLabel(client_, "Label7", small, systemText, Qt::AlignLeft | Qt::AlignVCenter);
    label7_->setWordWrap(true);
    captionForScreenReaders(*label2_, QStringLiteral("Numero della domanda"));
    captionForScreenReaders(*label7_, QStringLiteral("Domande estratte"));
    placeTwips(*label7_, {1500, 1230, 10170, 360});

    frame1_ = makeFrame(client_, "Frame1");
    placeTwips(*frame1_, {210, 1590, 11460, 2640});
    box1_ = new QTextEdit(frame1_);
    box1_->setObjectName(QStringLiteral("Box1"));
    box1_->setAccessibleName(QStringLiteral("Domanda"));  // its value is the question's text
    box1_->setReadOnly(true);
    box1_->setTextInteractionFlags(Qt::NoTextInteraction);  // no caret, no selection
    box1_->setFocusPolicy(Qt::NoFocus);
    box1_->setFrameShape(QFrame::NoFrame);
    box1_->setFont(designFont(kArial, 36, true));
    box1_->viewport()->setCursor(Qt::ArrowCursor);
    placeTwips(*box1_, {60, 60, 11340, 2520});

    numero0_ = makeLabel(client_, "LblNumero22_0", small, systemText);
    placeTwips(*numero0_, {90, 4320, 90, 1440});
    risultato_ = makeLabel(client_, "lblRisultato2", designFont(kArial, 48, true), kDarkRed);
    placeTwips(*risultato_, {360, 4320, 2700, 1440});
    correzione_ = makeLabel(client_, "lblCorrezione2", designFont(kArial, 50, true), kRed,
                            Qt::AlignLeft | Qt::AlignVCenter);
    placeTwips(*correzione_, {3070, 4320, 3300, 1440});
    captionForScreenReaders(*risultato_, QStringLiteral("Risposta"));
    captionForScreenReaders(*correzione_, QStringLiteral("Correzione"));
    esito_ = makeLabel(client_, "LblEsito", designFont(kArial, 60, true), kRed);
    placeTwips(*esito_, {6500, 4320, 5170, 1440});
    numero4_ = makeLabel(client_, "LblNumero22_4", small, systemText);
    placeTwips(*numero4_, {11700, 4320, 90, 1440});
    cross_ = new CrossOverlay(client_);
    cross_->setObjectName(QStringLiteral("Line1Line2"));
    cross_->hide();

    elaborazione_ = makeFrame(client_, "frmElaborazione");
    placeTwips(*elaborazione_, {210, 5880, 5700, 2130});
    const QFont heading = designFont(kMsSansSerif, 8.25, true);
    const QFont counter = designFont(kArial, 18, true);
    // Headings left to right: Label5 indexes 1, 0, 3, 4, 5.
    const std::array<std::pair<int, const char*>, 5> headings{{{1, "Domande poste"},
                                                               {0, "Risposte esatte "},
                                                               {3, "Risposte errate"},
                                                               {4, "Tempo parziale"},
                                                               {5, "Tempo esercizio"}}};
    const std::array<QLabel**, 5> values{&operazione_, &risEsatte_, &risErrate_, &tempoOperazione_,
                                         &tempoEsercizio_};
    const std::array<const char*, 5> valueNames{"LblOperazione", "lblRisEsatte", "lblRisErrate",
                                                "LblTempoOperazione", "LblTempoEsercizio"};
    for (size_t column = 0; column < headings.size(); ++column) {
        const double left = 60 + 1120.0 * static_cast<double>(column);
        const auto [index, text] = headings[column];
        QLabel* label = makeLabel(elaborazione_, "Label5", heading, kNavy, Qt::AlignCenter,
                                  QString::fromUtf8(text));
        label->setObjectName(QStringLiteral("Label5_%1").arg(index));
        label->setWordWrap(true);
        placeTwips(*label, {left, 150, 1080, 690});
        headings_[static_cast<size_t>(index)] = label;
        *values[column] = makeLabel(elaborazione_, valueNames[column], counter, kBlue);
        // A count read alone says nothing: the heading above it says what it counts.
        captionForScreenReaders(**values[column], QString::fromUtf8(text).trimmed());
        placeTwips(**values[column], {left, 960, 1080, 780});
    }
    tempoOperazione_->setToolTip(QStringLiteral("Secondi impiegati per ogni risposta"));
    tempoEsercizio_->setToolTip(QStringLiteral("Secondi impiegati per ogni esercizio"));

    buildFrames();
}

void FrmOperativo::buildFrames() {
    const QFont keyFont = designFont(kArial, 18, true);

    fraFinito_ = makeFrame(client_, "fraFinito");
    placeTwips(*fraFinito_, kFramePlace);
    label6_ = makeLabel(fraFinito_, "Label6", keyFont, kDarkRed, Qt::AlignCenter, kExhaustedText);
    placeTwips(*label6_, {90, 150, 5430, 600});
    finito_ = new OptionButtonMenu(fraFinito_, {QStringLiteral("REINIZIA")}, state_);
    finito_->item(0)->setObjectName(QStringLiteral("OptFinito"));
    finito_->item(0)->setFont(keyFont);
    // "REINIZIA" is no menu of option buttons: with the focus it keeps the window's colour.
    finito_->setHighlightsFocus(false);
    setTextColour(*finito_->item(0), kDarkRed);
    placeTwips(*finito_->item(0), {1500, 1050, 2610, 750});

    fraAvviso_ = makeFrame(client_, "fraAvviso");
    placeTwips(*fraAvviso_, kFramePlace);
    avviso_ = new OptionButtonMenu(
        fraAvviso_,
        {QStringLiteral("Visualizza"), QStringLiteral("Ricomincia"), QStringLiteral("Esci")},
        state_);
    for (int option = 0; option < kAvvisoCount; ++option) {
        avviso_->item(option)->setObjectName(QStringLiteral("optAvviso_%1").arg(option));
        avviso_->item(option)->setFont(keyFont);
        setTextColour(*avviso_->item(option), palette().color(QPalette::ButtonText));
        placeTwips(*avviso_->item(option), {90, 90 + 660.0 * option, 2400, 600});
    }
    label4_ = makeLabel(fraAvviso_, "Label4", designFont(kArial, 12, true), kDarkRed,
                        Qt::AlignCenter, kRestartWarningText);
    label4_->setWordWrap(true);
    placeTwips(*label4_, {2610, 300, 2900, 1500});

    keypadFrame_ = makeFrame(client_, "fraTastierino");
    placeTwips(*keypadFrame_, kFramePlace);
    buildKeypad();
}

void FrmOperativo::buildKeypad() {
    keypad_ = new OptionButtonMenu(keypadFrame_, keyCaptions(model_.view()), state_);
    const QFont keyFont = designFont(kArial, 18, true);
    for (int key = 0; key < kKeyCount; ++key) {
        QWidget* button = keypad_->item(key);
        button->setObjectName(QStringLiteral("Option2_%1").arg(key));
        button->setFont(keyFont);
        setTextColour(*button, kDeepBlue);
        placeTwips(*button, kKeyPlaces[static_cast<size_t>(key)]);
    }
}

void FrmOperativo::registerLayout() {
    layout_ = new ProportionalLayout(client_);
    // The window's controls in control order.
    for (QWidget* control : std::initializer_list<QWidget*>{
             shape1_, label1_, label3_, label2_, label7_, frame1_, box1_, numero0_, risultato_,
             correzione_, esito_, numero4_})
        layout_->add(control);
    layout_->add(cross_, ControlKind::Line);
    layout_->add(elaborazione_);
    for (const int index : {1, 0, 3, 4, 5}) layout_->add(headings_[static_cast<size_t>(index)]);
    for (QWidget* control : std::initializer_list<QWidget*>{
             operazione_, risEsatte_, risErrate_, tempoOperazione_, tempoEsercizio_, fraFinito_,
             label6_, finito_->item(0), fraAvviso_})
        layout_->add(control);
    for (int option = 0; option < kAvvisoCount; ++option) layout_->add(avviso_->item(option));
    layout_->add(label4_);
    layout_->add(keypadFrame_);
    for (int key = 0; key < kKeyCount; ++key) layout_->add(keypad_->item(key));
    layout_->addPlaceless(ControlKind::MenuItem);  // mnuVisualizza
    layout_->record(client_->size());
    layout_->setAfterApply([this] { PosizionaCorrezione(); });
}

void FrmOperativo::connectModel() {
    connect(&model_, &OperativoModel::changed, this, &FrmOperativo::render);
    connect(&model_, &OperativoModel::closeRequested, this, &FrmOperativo::closeRequested);
    connect(&model_, &OperativoModel::printWindowRequested, this,
            &FrmOperativo::printWindowRequested);

    keypad_->route(routesTo(model_, kKeypadHandlers));
    avviso_->route(routesTo(model_, kAvvisoHandlers));

    // "REINIZIA" reacts to the mouse only; its keys are routed nowhere.
    MenuRoutes restart;
    restart.mousePress = [this](int) { model_.finitoMousePress(); };
    restart.focusIn = [this](int) { model_.focusMovedTo({FocusArea::Finito, 0}); };
    finito_->route(std::move(restart));
}

void FrmOperativo::render() {
    // Moving the focus below may report back through the model; one pass at a time.
    if (rendering_) {
        renderAgain_ = true;
        return;
    }
    rendering_ = true;
    do {
        renderAgain_ = false;
        const ExerciseView& view = model_.view();
        setWindowTitle(view.caption);
        label1_->setText(view.label1);
        label3_->setText(view.label3);
        label2_->setText(view.label2);
        label7_->setText(view.label7);
        label7_->setVisible(view.label7Visible);
        renderQuestion();
        risultato_->setText(view.risultato);
        correzione_->setText(view.correzione);
        esito_->setText(view.esito);
        cross_->setVisible(view.crossVisible);
        if (view.crossVisible) cross_->raise();
        operazione_->setText(view.operazione);
        risEsatte_->setText(view.risEsatte);
        risErrate_->setText(view.risErrate);
        tempoOperazione_->setText(view.tempoOperazione);
        tempoEsercizio_->setText(view.tempoEsercizio);
        for (int key = 0; key < kKeyCount; ++key) {
            keypad_->item(key)->setText(view.keyCaptions[static_cast<size_t>(key)]);
            keypad_->setItemEnabled(key, view.keyEnabled[static_cast<size_t>(key)]);
        }
        renderFrames();
        renderSpokenContext();
        renderFocus();
    } while (renderAgain_);
    rendering_ = false;
}

void FrmOperativo::renderQuestion() {
    const ExerciseView& view = model_.view();
    if (view.question == shownQuestion_ && !box1_->document()->isEmpty()) return;
    shownQuestion_ = view.question;
    box1_->setPlainText(view.question);
    QTextCursor cursor(box1_->document());
    cursor.select(QTextCursor::Document);
    // The whole question in blue, bold as its emphasis; the pieces the pupil must read in red.
    QTextCharFormat blue;
    blue.setForeground(kBlue);
    blue.setFontWeight(QFont::Bold);
    cursor.mergeCharFormat(blue);
    QTextCharFormat red;
    red.setForeground(kRed);
    for (const TextRange& range : view.redRanges) {
        cursor.setPosition(range.start);
        cursor.setPosition(range.start + range.length, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(red);
    }
}

QFrame& FrmOperativo::frame(Riquadro which) const {
    switch (which) {
        case Riquadro::Finito:
            return *fraFinito_;
        case Riquadro::Avviso:
            return *fraAvviso_;
        default:
            return *keypadFrame_;
    }
}

void FrmOperativo::renderFrames() {
    const ExerciseView& view = model_.view();
    // Enable the frame that takes input before the others lose it, so the focus need not wander.
    for (const Riquadro which : {Riquadro::Keypad, Riquadro::Finito, Riquadro::Avviso})
        if (view.enabledFrame == which) frame(which).setEnabled(true);
    for (const Riquadro which : {Riquadro::Keypad, Riquadro::Finito, Riquadro::Avviso})
        if (view.enabledFrame != which) frame(which).setEnabled(false);
    if (view.frontFrame == Riquadro::None) return;
    frame(view.frontFrame).raise();
    // The frames share one place: those behind the front one cannot be seen, and a screen reader
    // must not read them out as if they could.
    frame(view.frontFrame).show();
    for (const Riquadro which : {Riquadro::Keypad, Riquadro::Finito, Riquadro::Avviso})
        if (which != view.frontFrame) frame(which).hide();
}

// Set before the focus moves, so that the focus event a screen reader speaks carries it.
void FrmOperativo::renderSpokenContext() {
    const QString context = spokenContext(model_.view());
    for (OptionButtonMenu* menu : {keypad_, avviso_, finito_})
        for (int item = 0; item < menu->count(); ++item)
            menu->item(item)->setAccessibleDescription(context);
}

void FrmOperativo::renderFocus() {
    const Focus focus = model_.focus();
    keypad_->showFocus(focus.area == FocusArea::Keypad ? focus.index : -1);
    avviso_->showFocus(focus.area == FocusArea::Avviso ? focus.index : -1);
    finito_->showFocus(focus.area == FocusArea::Finito ? 0 : -1);
}

void FrmOperativo::PosizionaCorrezione() {
    const QRect answer = risultato_->geometry();
    const int gap = twipsToPixelsX(*client_, kCorrectionGap);
    correzione_->move(answer.right() + 1 + gap, correzione_->y());
    cross_->setGeometry(answer);
    model_.resized();
}

QLabel& FrmOperativo::label(const char* objectName) const {
    auto* found = client_->findChild<QLabel*>(QString::fromLatin1(objectName));
    Q_ASSERT(found != nullptr);
    return *found;
}

bool FrmOperativo::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::MouseButtonDblClick) {
        // Controls without a double click of their own pass it up to the window; only one on the
        // window's bare surface shows or hides the drawn numbers.
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (client_->childAt(at) == nullptr) model_.toggleDrawnNumbers();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void FrmOperativo::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The focus set while the window was hidden takes effect now.
    renderFocus();
}

}  // namespace sd
