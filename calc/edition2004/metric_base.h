// The 15 °C and 20 °C bases of the 2004 edition (source kMpms2007): the density at the
// base is first brought to 60 °F (the 60 °F iteration, with the base density taken as
// observed at the base temperature and 0 psig); the factor from the observed conditions
// to the base is then CTL(t)/CTL(base) of that 60 °F density, times CPL at t and P.
#pragma once

#include "calc/edition2004/base_density.h"

namespace corvald::calc::edition2004 {

inline constexpr double kPascalsPerPsi = 6894.757; // source kNistSp811; kPa / 6.894757 = psi

struct MetricConditions {
    double baseTemperature; // °C: 15 or 20
    double temperature; // °C, ITS-90
    double pressure; // kPa gauge
};

struct MetricFactors {
    BaseDensity at60; // the density at 60 °F and the factors at the observed conditions
    double baseDensity; // kg/m3 at the base temperature
    double baseCtl; // CTL from the base temperature to 60 °F
    double ctl; // from the observed temperature to the base
    double ctpl; // ctl·cpl
};

// From a density at the base temperature.
MetricFactors factorsFromBase(
    Commodity commodity, double baseDensity, const MetricConditions& conditions);

// From a density observed at the conditions.
MetricFactors factorsFromObserved(
    Commodity commodity, double observedDensity, const MetricConditions& conditions);

} // namespace corvald::calc::edition2004
