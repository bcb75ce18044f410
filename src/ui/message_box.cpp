#include "ui/message_box.h"

#include <QMessageBox>

namespace sd {

std::unique_ptr<QMessageBox> makeMessageBox(QWidget* parent, const QString& text) {
    auto box = std::make_unique<QMessageBox>(parent);
    box->setWindowTitle(kProgramTitle);
    box->setTextFormat(Qt::PlainText);
    box->setText(text);
    box->setStandardButtons(QMessageBox::Ok);
    box->setDefaultButton(QMessageBox::Ok);
    return box;
}

void showMessage(QWidget* parent, const QString& text) {
    makeMessageBox(parent, text)->exec();
    // Without a window manager (Xvfb) nothing else gives the keyboard back to the window the
    // message came from.
    if (parent != nullptr && parent->window()->isVisible()) parent->window()->activateWindow();
}

}  // namespace sd
