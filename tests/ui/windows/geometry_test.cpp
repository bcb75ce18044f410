// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/app.h"
#include "state/colours.h"
#include "support/fakes.h"
#include "ui/widgets/cross_overlay.h"
#include "ui/widgets/drawn_controls.h"
#include "ui/windows/frm_attestato.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>

// Every window on the screen this test program was given (the offscreen platform's configfile,
// and QT_SCALE_FACTOR), at the size the program gives it: no control cut by its window or its
// frame, no text cut by its control, no control over another unless they are stacked on purpose.

namespace sd {
namespace {

// Controls drawn over others by design: the shapes behind the titles, the cross over the answer,
// the curtain while it opens, the three frames of the exercise window that share one place.
bool stackedOnPurpose(const QWidget& a, const QWidget& b) {
    const auto decoration = [](const QWidget& w) {
        return qobject_cast<const RoundedShape*>(&w) != nullptr ||
               qobject_cast<const CrossOverlay*>(&w) != nullptr ||
               w.objectName() == QLatin1String("Shape1") ||
               w.objectName().startsWith(QLatin1String("Picture"));
    };
    const auto frame = [](const QWidget& w) {
        return w.objectName().startsWith(QLatin1String("fra"));
    };
    return decoration(a) || decoration(b) || (frame(a) && frame(b));
}

// Boxes of the design that overlap as the design gives them, by object name or text.
bool overlapByDesign(const QWidget& a, const QWidget& b) {
    static const std::array<std::array<const char*, 2>, 4> kPairs{{
        {"E S E R C I Z I   E S E G U I T I ", "LblOp_1"},
        {"LblOp_", "LblOp_"},  // higher than they are apart
        {"TORNA ALLA FINESTRA PRECEDENTE", "FINE SESSIONE"},
        {"   SCRIVI  IL  TUO  NOME", "lblNome"},
    }};
    const auto is = [](const QWidget& w, const char* key) {
        return w.objectName().startsWith(QLatin1String(key)) || w.property("text") == key;
    };
    for (const auto& [first, second] : kPairs)
        if ((is(a, first) && is(b, second)) || (is(b, first) && is(a, second))) return true;
    return false;
}

// The start window's credit line: its design box runs past the client area's bottom, the line
// centred in it must not.
bool pastTheEdgeByDesign(const QWidget& control) {
    const int line = QFontMetrics(control.font()).height();
    return control.property("text") == QStringLiteral("Il valore posizionale delle cifre") &&
           control.y() + (control.height() + line) / 2 <= control.parentWidget()->height();
}

// What a control shows does not fit it: a line too long, or more lines than its height holds.
std::optional<QString> cutText(const QWidget& control) {
    QString text;
    bool wraps = false;
    int padding = 0;
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        text = label->text();
        wraps = label->wordWrap();
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
        text = button->text();
        padding = 4;  // the button's edge
    }
    if (text.isEmpty()) return std::nullopt;
    const QFontMetrics metrics(control.font());
    const QRect room = control.contentsRect().adjusted(padding, 0, -padding, 0);
    const QRect needed = wraps ? metrics.boundingRect(room, Qt::TextWordWrap, text)
                               : QRect(0, 0, metrics.horizontalAdvance(text), metrics.height());
    if (needed.width() <= room.width() && needed.height() <= room.height()) return std::nullopt;
    return QStringLiteral("\"%1\" needs %2x%3, has %4x%5")
        .arg(text)
        .arg(needed.width())
        .arg(needed.height())
        .arg(room.width())
        .arg(room.height());
}

std::vector<std::string> faults(const QWidget& window) {
    std::vector<std::string> found;
    const auto name = [](const QWidget& w) {
        return (w.metaObject()->className() + QStringLiteral(" ") + w.objectName() +
                QStringLiteral(" ") + w.property("text").toString())
            .toStdString();
    };
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        if (!control->isVisible() || control->isWindow() || control->parentWidget() == nullptr)
            continue;
        if (qobject_cast<const QMenuBar*>(control) != nullptr) continue;
        const QWidget& parent = *control->parentWidget();
        if (!parent.rect().contains(control->geometry()) && control->y() >= 0 &&
            !pastTheEdgeByDesign(*control))
            found.push_back(name(*control) + " is cut by " + name(parent));
        if (const std::optional<QString> cut = cutText(*control))
            found.push_back(name(*control) + ": " + cut->toStdString());
        for (const QWidget* sibling : parent.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (sibling <= control || !sibling->isVisible() || sibling->isWindow()) continue;
            if (control->geometry().intersects(sibling->geometry()) &&
                !stackedOnPurpose(*control, *sibling) && !overlapByDesign(*control, *sibling))
                found.push_back(name(*control) + " overlaps " + name(*sibling));
        }
    }
    return found;
}

// Each side of every box frame and rounded shape shows in the window's picture at its device pixel
// ratio: across the side's middle, within two device pixels of it, a pixel is not the ground's.
void expectEveryEdge(QWidget& window) {
    const QImage shot = window.grab().toImage();
    const qreal ratio = shot.devicePixelRatio();
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        if (!control->isVisible() ||
            !(qobject_cast<const BoxFrame*>(control) || qobject_cast<const RoundedShape*>(control)))
            continue;
        const QColor ground = control->parentWidget()->palette().color(QPalette::Window);
        const QRectF box = QTransform::fromScale(ratio, ratio)
                               .mapRect(QRectF(control->mapTo(&window, QPoint()), control->size()));
        const QPointF m = box.center();
        for (const QLineF& across : {QLineF(m.x(), box.top() - 2, m.x(), box.top() + 2),
                                     QLineF(box.left() - 2, m.y(), box.left() + 2, m.y()),
                                     QLineF(m.x(), box.bottom() - 2, m.x(), box.bottom() + 2),
                                     QLineF(box.right() - 2, m.y(), box.right() + 2, m.y())}) {
            int shown = 0;
            for (const qreal t : {0.0, 0.25, 0.5, 0.75})
                shown += shot.pixelColor(across.pointAt(t).toPoint()) != ground ? 1 : 0;
            EXPECT_GT(shown, 0) << control->objectName().toStdString() << ", " << window.width();
        }
    }
}

// The check itself sees what it looks for.
TEST(GeometryCheck, SeesACutTextACutControlAndAnOverlap) {
    QWidget window;
    window.resize(200, 100);
    auto* narrow =
        new QLabel(QStringLiteral("un testo troppo lungo per la sua etichetta"), &window);
    narrow->setGeometry(0, 0, 40, 30);
    auto* over = new QLabel(QStringLiteral("a"), &window);
    over->setGeometry(30, 10, 30, 30);
    auto* outside = new QLabel(QStringLiteral("b"), &window);
    outside->setGeometry(180, 80, 40, 30);
    window.show();
    const std::vector<std::string> found = faults(window);
    const auto seen = [&](const char* what) {
        return std::any_of(found.begin(), found.end(), [what](const std::string& f) {
            return f.find(what) != std::string::npos;
        });
    };
    EXPECT_TRUE(seen("needs"));
    EXPECT_TRUE(seen("overlaps"));
    EXPECT_TRUE(seen("is cut by"));
}

class EveryWindow : public ::testing::TestWithParam<WindowId> {};

TEST_P(EveryWindow, StaysWholeAndReadable) {
    App app(std::make_unique<test::FakeClock>(), std::make_unique<test::ScriptedRandom>(), [] {});
    DrillState& state = app.state();
    ImpostaColori(state);
    state.exerciseKind = 1;
    state.questionsAsked = 10;
    state.rightAnswers = 9;
    state.pupilName = QStringLiteral("GIULIA");
    for (int i = 1; i <= 10; ++i)
        state.exerciseRecord[static_cast<size_t>(i)] =
            QStringLiteral("Quale valore è 10 volte più grande della da?").leftJustified(70) +
            QStringLiteral("  1.000*  h    s. 12");
    state.exerciseTimes[1] = QStringLiteral("123");
    QWidget* window = app.showWindow(GetParam());
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    if (auto* certificate = qobject_cast<FrmAttestato*>(window)) certificate->finishDrawing();
    // The opening curtain lies over everything until it has slid away.
    for (const char* curtain : {"Picture1", "Picture2"})
        for (QWidget* panel : window->findChildren<QWidget*>(curtain)) panel->hide();
    QApplication::processEvents();
    // At 125 % the toolkit rounds a maximised window's size up, a pixel past the screen.
    const int slack = window->devicePixelRatio() == int(window->devicePixelRatio()) ? 0 : 1;
    const QRect screen = window->screen()->availableGeometry().adjusted(0, 0, slack, slack);
    EXPECT_TRUE(screen.contains(window->frameGeometry())) << "the window leaves the screen";
    const std::vector<std::string> found = faults(*window);
    for (const std::string& fault : found) ADD_FAILURE() << fault;
    // The sides fall on other fractions of device pixels as the window shrinks by a pixel.
    for (int step = 0; step < 4; ++step) {
        expectEveryEdge(*window);
        window->resize(window->size() - QSize(1, 1));
        QApplication::processEvents();
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, EveryWindow,
                         ::testing::Values(WindowId::Inizio, WindowId::Operativo, WindowId::Autore,
                                           WindowId::StampaEsercizio, WindowId::SceltaStampante,
                                           WindowId::Nome, WindowId::Attestato));

}  // namespace
}  // namespace sd
