#include "app/font_configuration_load.h"

#include <fontconfig/fontconfig.h>
#include <malloc.h>

namespace corvald::app {

// FcInit loads the configuration that Qt's font database takes as the current
// one; a failure leaves Qt to try again itself, as it would without this.
FontConfigurationLoad::FontConfigurationLoad()
{
    // The window's few threads share one heap: a heap of its own for this one
    // would keep what the reading freed, and the window would start with more
    // memory than it needs.
    mallopt(M_ARENA_MAX, 1);
    reading_ = std::thread([] { FcInit(); });
}

FontConfigurationLoad::~FontConfigurationLoad() { wait(); }

void FontConfigurationLoad::wait()
{
    if (reading_.joinable())
        reading_.join();
}

} // namespace corvald::app
