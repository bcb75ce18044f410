// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFrame>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>

class QPainter;

namespace sd {

// A rounded rectangle outline drawn over the window's ground; it takes no input.
class RoundedShape final : public QWidget {
    Q_OBJECT
  public:
    explicit RoundedShape(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// A frame with a box edge that stays whole at any scale: one device pixel wide on the frame's
// outermost whole device pixels, plain in the foreground colour or sunken as the style etches it.
// The style's own would fall between device pixels at 125 or 150 % and lose a side.
class BoxFrame final : public QFrame {
    Q_OBJECT
  public:
    explicit BoxFrame(QWidget* parent, QFrame::Shadow shadow = QFrame::Plain);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// A push button of one flat colour with a thin darker edge and its caption centred, as the menu
// buttons are; the style would shade the colour into a gradient.
class FlatButton final : public QPushButton {
    Q_OBJECT
  public:
    FlatButton(const QString& caption, const QColor& face, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor face_;
};

// The legend of the unit symbols on the start window: the heading SIMBOLI in blue and one red
// line per symbol on a white ground, laid out on a square and scaled with the control.
class LegendPicture final : public QWidget {
    Q_OBJECT
  public:
    // The side of the square the legend is laid out on.
    static constexpr int kDesignSide = 299;

    explicit LegendPicture(QWidget* parent);

    // The picture as it is shown: the control's size in device pixels, drawn as on screen.
    QPixmap picture() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void paintOn(QPainter& painter) const;
};

}  // namespace sd
