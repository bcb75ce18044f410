// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/app.h"
#include "state/colours.h"
#include "support/fakes.h"
#include "ui/widgets/certificate_surface.h"
#include "ui/widgets/drawn_controls.h"
#include "ui/widgets/option_button_menu.h"
#include "ui/windows/frm_attestato.h"
#include "ui/windows/frm_nome.h"
#include "ui/windows/frm_operativo.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <iostream>

// What a screen reader finds in each window, walking the toolkit's interfaces from the window:
// every control the pupil can act on, and every one that shows something, has a name.

namespace sd {
namespace {

QAccessibleInterface* reader(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

// Counts the named controls; adds a fault for each control that has none, a shown count or answer
// read without what it is, and a picture without what it shows.
int walk(QAccessibleInterface* control, QStringList& faults) {
    if (control == nullptr || control->state().invisible) return 0;
    auto* widget = qobject_cast<QWidget*>(control->object());
    auto* label = qobject_cast<QLabel*>(widget);
    const bool picture = qobject_cast<CertificateSurface*>(widget) != nullptr ||
                         qobject_cast<LegendPicture*>(widget) != nullptr;
    const bool shows = picture || (label != nullptr && !label->text().trimmed().isEmpty()) ||
                       qobject_cast<QTextEdit*>(widget) || qobject_cast<QComboBox*>(widget);
    const bool acts =
        control->state().focusable || (widget && widget->focusPolicy() != Qt::NoFocus);
    const QString name = control->text(QAccessible::Name);
    const bool says = std::any_of(name.begin(), name.end(), [](QChar c) { return c.isLetter(); });
    int named = (acts || shows) && !name.trimmed().isEmpty() ? 1 : 0;
    if (((acts || shows) && named == 0) || (label != nullptr && shows && !says) ||
        (picture && (control->role() != QAccessible::Graphic ||
                     control->text(QAccessible::Description).isEmpty())))
        faults << QString::fromLatin1(control->object()->metaObject()->className()) +
                      QStringLiteral(" \"") + name + u'"';
    // The combo box's popup list is part of it, named by it.
    if (qobject_cast<QComboBox*>(widget) != nullptr) return named;
    for (int i = 0; i < control->childCount(); ++i) named += walk(control->child(i), faults);
    return named;
}

void press(QWidget* button) {
    QAccessibleActionInterface* actions = reader(button)->actionInterface();
    ASSERT_NE(actions, nullptr);
    actions->doAction(QAccessibleActionInterface::pressAction());
    // The toolkit clicks the button a moment after showing it down; the click may close its window.
    const QPointer<QAbstractButton> pressed(qobject_cast<QAbstractButton*>(button));
    EXPECT_TRUE(QTest::qWaitFor([&] { return pressed.isNull() || !pressed->isDown(); }));
}

TEST(Accessibility, EveryWindowNamesWhatThePupilCanUseOrRead) {
    // No print service there: the printer list is empty and the machine's printers untouched.
    qputenv("CUPS_SERVER", "/nonexistent/sd-accessibility/cups.sock");
    App app(std::make_unique<test::FakeClock>(), std::make_unique<test::ScriptedRandom>(), [] {});
    ImpostaColori(app.state());
    auto check = [&](QWidget* window, const char* title) {
        ASSERT_TRUE(window != nullptr && QTest::qWaitForWindowExposed(window)) << title;
        QStringList faults;
        EXPECT_FALSE(reader(window)->text(QAccessible::Name).isEmpty()) << title;
        const QAccessible::Role role = reader(window)->role();
        EXPECT_TRUE(role == QAccessible::Window || role == QAccessible::Dialog) << title;
        const int named = walk(reader(window), faults);
        EXPECT_TRUE(faults.isEmpty()) << title << ": " << faults.join(u", ").toStdString();
        std::cout << "named controls, " << title << ": " << named << '\n';
    };
    app.start();
    check(app.window<QWidget>(WindowId::Inizio), "start");
    check(app.showWindow(WindowId::Autore), "about");

    app.state().exerciseKind = 1;
    auto* exercise = qobject_cast<FrmOperativo*>(app.showWindow(WindowId::Operativo));
    ASSERT_NE(exercise, nullptr);
    EXPECT_EQ(reader(&exercise->questionBox())->text(QAccessible::Value),
              exercise->questionBox().toPlainText());
    // An answer judged by the screen reader's press action: verdict, answer and correction show.
    press(exercise->keypad().item(0));
    press(exercise->keypad().item(kKeyVerifica));
    EXPECT_FALSE(exercise->label("LblEsito").text().isEmpty());
    EXPECT_TRUE(reader(exercise->keypad().item(0))->state().disabled);
    // The frames behind the keypad are not read out.
    for (const char* behind : {"fraFinito", "fraAvviso"})
        EXPECT_TRUE(reader(exercise->findChild<QWidget*>(behind))->state().invisible) << behind;
    check(exercise, "exercise");

    DrillState& state = app.state();
    state.questionsAsked = 10;
    for (int i = 1; i <= 10; ++i)
        state.exerciseRecord[static_cast<size_t>(i)] = QStringLiteral("Domanda %1 = 100").arg(i);
    state.exerciseTimes[1] = QStringLiteral("57");
    check(app.showWindow(WindowId::StampaEsercizio), "print");
    check(app.showWindow(WindowId::SceltaStampante), "printer");

    auto* name = qobject_cast<FrmNome*>(app.showWindow(WindowId::Nome));
    ASSERT_NE(name, nullptr);
    for (const int key : {0, 3, 0}) press(&name->key(key));  // A D A
    EXPECT_EQ(reader(&name->lblNome())->text(QAccessible::Name), QStringLiteral("Nome: ADA"));
    check(name, "name");
    press(&name->avanti());
    EXPECT_FALSE(app.registry().isLoaded(WindowId::Nome));

    auto* certificate = qobject_cast<FrmAttestato*>(app.showWindow(WindowId::Attestato));
    ASSERT_NE(certificate, nullptr);
    certificate->finishDrawing();
    check(certificate, "certificate");
    const QString said = reader(&certificate->picture1())->text(QAccessible::Description);
    EXPECT_TRUE(said.startsWith(QStringLiteral("DIPLOMA DI MERITO"))) << said.toStdString();
    EXPECT_TRUE(said.contains(QStringLiteral("Ada"))) << said.toStdString();
}

}  // namespace
}  // namespace sd
