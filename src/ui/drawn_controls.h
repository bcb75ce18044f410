#pragma once

#include <QPixmap>
#include <QWidget>

namespace sd {

// A rounded rectangle outline drawn over the window's ground; it takes no input.
class RoundedShape final : public QWidget {
    Q_OBJECT
  public:
    explicit RoundedShape(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// The legend of the unit symbols on the start window: the heading SIMBOLI in blue and one red
// line per symbol, drawn by the program on a square picture that is stretched to the control.
class LegendPicture final : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kSidePixels = 299;

    explicit LegendPicture(QWidget* parent);

    // The picture itself, drawn on first use and kept.
    const QPixmap& picture();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPixmap picture_;
};

}  // namespace sd
