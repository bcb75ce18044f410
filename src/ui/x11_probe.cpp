#include "ui/platform.h"

#include <xcb/xcb.h>

namespace sd {

bool canOpenX11Display(const QString& display) {
    const QByteArray name = display.toLocal8Bit();
    xcb_connection_t* connection = xcb_connect(name.constData(), nullptr);
    const bool reachable = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return reachable;
}

}  // namespace sd
