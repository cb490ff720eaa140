// Reading a number from any text: either a TypeMismatch or a finite number whose
// written form reads back to itself and displays in the window's format.
#include "calc/failure.h"
#include "calc/number_text.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace corvald::calc;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    double value = 0;
    try {
        value = readNumber(text);
    } catch (const TypeMismatch&) {
        return 0;
    }
    if (!std::isfinite(value))
        std::abort();
    std::string written;
    try {
        written = writeNumber(value);
    } catch (const Overflow&) {
        if (std::fabs(value) < 1.79769313486231e308) // only next to the largest double
            std::abort();
        return 0;
    }
    if (writeNumber(readNumber(written)) != written)
        std::abort();
    const std::string shown = displayFormat(value, 3);
    if (shown.empty() || shown.find_first_not_of("0123456789,.()") != std::string::npos)
        std::abort();
    const double rounded = roundToFourDecimals(value);
    if (std::fabs(value) < 1e15 && std::fabs(rounded - value) > 0.00005 + 1e-9 * std::fabs(value))
        std::abort();
    return 0;
}
