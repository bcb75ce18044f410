#include "ui/app.h"

namespace sd {

// The exercise window (WindowId::Operativo) is registered here as
//     app.registerWindow(WindowId::Operativo,
//                        [&app] { return std::make_unique<FrmOperativo>(app); },
//                        WindowShow::Maximised);
// Until it exists no factory is set: loading or showing it does nothing, while choosing an
// exercise on the start window still sets the Drill state.
void registerOperativo(App& /*app*/) {}

}  // namespace sd
