// The window's side of the qamarly executable, loaded by main() only when the
// window opens.
#include "app/Composition.h"
#include "app/shell/ApplicationMain.h"

extern "C" __attribute__((visibility("default"))) int qamarly_window_main(int argc, char **argv)
{
    return app::shell::applicationMain(argc, argv, app::tabScreens());
}
