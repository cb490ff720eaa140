// The two pick lists of the main window, fixed design data made at compile time:
// temperatures "-18.0" to "95.0" °C in tenths, densities "0.7000" to "1.0749"
// kg/litre in ten-thousandths, ascending, without gap or repetition.
#pragma once

#include <string_view>

namespace corvald::ui {

inline constexpr int kTemperatureItemCount = 1131;
inline constexpr int kDensityItemCount = 3750;

// index counts from 0; it must be below the list's item count.
std::string_view temperatureItem(int index);
std::string_view densityItem(int index);

} // namespace corvald::ui
