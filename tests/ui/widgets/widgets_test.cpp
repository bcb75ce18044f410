// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/fonts.h"
#include "ui/widgets/look.h"
#include "ui/widgets/message_box.h"
#include "ui/widgets/proportional_layout.h"

#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

namespace sd {
namespace {

// A client area of 400 x 300 pixels with a few controls of every kind.
class LayoutTest : public ::testing::Test {
  protected:
    QWidget client;
    QLabel* label = new QLabel(QStringLiteral("etichetta"), &client);
    QWidget* frame = new QWidget(&client);
    QPushButton* inFrame = new QPushButton(frame);
    QWidget* line = new QWidget(&client);
    QWidget* left = new QWidget(&client);
    QWidget* right = new QWidget(&client);
    ProportionalLayout* layout = nullptr;
    int applied = 0;

    void SetUp() override {
        client.resize(400, 300);
        label->setGeometry(40, 30, 100, 60);
        label->setFont(designFont(QStringLiteral("Arial"), 18, true));
        frame->setGeometry(200, 150, 160, 120);
        inFrame->setGeometry(20, 30, 80, 40);
        line->setGeometry(10, 10, 50, 1);
        left->setGeometry(0, 0, 100, 300);
        right->setGeometry(300, 0, 100, 300);
        layout = new ProportionalLayout(&client);
        layout->add(label);
        layout->add(frame);
        layout->add(inFrame);
        layout->addPlaceless(ControlKind::Timer);
        layout->add(line, ControlKind::Line);
        layout->add(left, ControlKind::DockedLeft);
        layout->add(right, ControlKind::DockedRight);
        layout->setAfterApply([this] { ++applied; });
        layout->record(client.size());
        client.show();
    }
};

TEST_F(LayoutTest, RecordsFractionsOfTheClientAreaInControlOrder) {
    ASSERT_EQ(layout->count(), 7);
    const ProportionalLayout::Fractions f = layout->fractions(0);
    EXPECT_FLOAT_EQ(f.width, 0.25F);
    EXPECT_FLOAT_EQ(f.height, 0.2F);
    EXPECT_FLOAT_EQ(f.top, 0.1F);
    EXPECT_FLOAT_EQ(f.left, 0.1F);
    // Inside a frame: measured from the frame, divided by the client size all the same.
    EXPECT_FLOAT_EQ(layout->fractions(2).left, 20.0F / 400.0F);
    EXPECT_FLOAT_EQ(layout->fractions(2).top, 30.0F / 300.0F);
    // A timer has no place.
    EXPECT_FLOAT_EQ(layout->fractions(3).width, 0.0F);
}

TEST_F(LayoutTest, DoublingTheWidthDoublesLeftsAndWidthsOnly) {
    const QFont font = label->font();
    client.resize(800, 300);
    EXPECT_EQ(label->geometry(), QRect(80, 30, 200, 60));
    EXPECT_EQ(frame->geometry(), QRect(400, 150, 320, 120));
    EXPECT_EQ(inFrame->geometry(), QRect(40, 30, 160, 40));
    EXPECT_EQ(label->font(), font);
    EXPECT_GE(applied, 1);
}

TEST_F(LayoutTest, LinesKeepTheirPlaceAndDockedPanelsStayAtTheirEdges) {
    client.resize(800, 600);
    EXPECT_EQ(line->geometry(), QRect(10, 10, 50, 1));
    EXPECT_EQ(left->geometry(), QRect(0, 0, 200, 600));
    EXPECT_EQ(right->geometry(), QRect(600, 0, 200, 600));
}

TEST_F(LayoutTest, AControlMovedByTheWindowReturnsAtTheNextResizeUnlessItLeft) {
    label->setGeometry(1, 2, 3, 4);
    right->setGeometry(390, 0, 10, 300);
    layout->leave(right);
    client.resize(400, 301);
    client.resize(400, 300);
    EXPECT_EQ(label->geometry(), QRect(40, 30, 100, 60));
    EXPECT_EQ(right->geometry(), QRect(390, 0, 10, 300));
}

TEST_F(LayoutTest, BackFromSizeZeroEveryControlIsAtItsFractions) {
    client.resize(0, 0);
    EXPECT_EQ(label->size(), QSize(0, 0));
    client.resize(400, 300);
    EXPECT_EQ(label->geometry(), QRect(40, 30, 100, 60));
    EXPECT_EQ(inFrame->geometry(), QRect(20, 30, 80, 40));
    EXPECT_EQ(left->geometry(), QRect(0, 0, 100, 300));
}

TEST(LayoutRecording, AClientOfSizeZeroRecordsZeroFractions) {
    QWidget client;
    auto* label = new QLabel(&client);
    label->setGeometry(5, 5, 10, 10);
    ProportionalLayout layout(&client);
    layout.add(label);
    layout.record(QSize(0, 0));
    EXPECT_FLOAT_EQ(layout.fractions(0).width, 0.0F);
    EXPECT_FLOAT_EQ(layout.fractions(0).left, 0.0F);
}

TEST(MessageBox, OneOkButtonTitledWithTheProgramsNameInPlainText) {
    const auto box = makeMessageBox(nullptr, QStringLiteral("Esegui almeno 10 operazioni. "));
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Il sistema decimale"));
    EXPECT_EQ(box->text(), QStringLiteral("Esegui almeno 10 operazioni. "));
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    EXPECT_EQ(box->buttons().size(), 1);
}

// A widget whose sides fall between device pixels (at 125 %, one 17 pixels from the window's
// left): its edge is a line of whole pixels on each side, inside its area.
TEST(PixelEdge, EverySideShowsOnePixelWideAtAFractionalScale) {
    QImage image(120, 80, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDevicePixelRatio(1.25);
    QPainter painter(&image);
    painter.translate(17, 13);  // device 21.25, 16.25
    drawPixelEdge(painter, QRect(0, 0, 40, 20), Qt::red);
    painter.end();
    const auto red = [&](int x, int y) { return image.pixelColor(x, y) == QColor(Qt::red); };
    // The widget covers device pixels 22 to 70 across and 17 to 40 down: each side's outermost
    // line is red, the pixels beside it are not.
    for (int y = 18; y < 40; ++y)
        EXPECT_TRUE(red(22, y) && red(70, y) && !red(21, y) && !red(71, y) && !red(23, y) &&
                    !red(69, y))
            << y;
    for (int x = 23; x < 70; ++x)
        EXPECT_TRUE(red(x, 17) && red(x, 40) && !red(x, 16) && !red(x, 41) && !red(x, 18) &&
                    !red(x, 39))
            << x;
}

TEST(PlainLabel, ShowsMarkupAsText) {
    const std::unique_ptr<QLabel> label(plainLabel(nullptr, QStringLiteral("<b>x</b>")));
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
}

}  // namespace
}  // namespace sd
