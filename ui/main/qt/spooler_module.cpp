// The print module's entry point, which the window looks up by name once it has
// opened the module on the first Print.
#include "ui/main/qt/spooler_connection.h"

extern "C" __attribute__((visibility("default"))) corvald::ui::qt::Spooler* corvald_open_spooler()
{
    return new corvald::ui::qt::SpoolerConnection;
}
