// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A maximised window with one label whose text switches on every key press: what any Qt Widgets
// program pays from a key going down to new pixels on the screen, against which the key response
// of sistema-decimale is measured.
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>

namespace {

class KeyWindow : public QWidget {
public:
    KeyWindow() : label_(new QLabel(QStringLiteral("10"), this)) {
        QFont big = label_->font();
        big.setPointSize(48);
        big.setBold(true);
        label_->setFont(big);
        label_->setAlignment(Qt::AlignCenter);
        // A fixed size, so a new text only repaints the label and never lays the window out again.
        label_->setFixedSize(QFontMetrics(big).boundingRect(QStringLiteral("1.000")).size() * 2);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(label_, 0, Qt::AlignCenter);
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    // Two texts in turn, so every press changes the same pixels as the press before last.
    void keyPressEvent(QKeyEvent* event) override {
        if (event->isAutoRepeat()) return;
        label_->setText(label_->text() == QLatin1String("10") ? QStringLiteral("100")
                                                              : QStringLiteral("10"));
    }

private:
    QLabel* label_;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    KeyWindow window;
    // As the program does: with no window manager (Xvfb) nobody maximises the window or gives it
    // the keyboard, so it takes the screen's free area and asks for the focus itself.
    window.setGeometry(window.screen()->availableGeometry());
    window.showMaximized();
    window.activateWindow();
    return app.exec();
}
