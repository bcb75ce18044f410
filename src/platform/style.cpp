// SPDX-FileCopyrightText: 2026 Il sistema decimale developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/style.h"

#include <QIcon>
#include <QProxyStyle>
#include <QStyleFactory>

namespace sd {

QStyle* programStyle() {
    class ProgramStyle final : public QProxyStyle {
      public:
        ProgramStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
        QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                           const QWidget* widget) const override {
            if (which == SP_ToolBarHorizontalExtensionButton) return {};
            return QProxyStyle::standardIcon(which, option, widget);
        }
    };
    return new ProgramStyle;
}

}  // namespace sd
