// The volume correction of the 2004 edition at the 60 °F base: from a density at 60 °F
// and the conditions of a liquid, the factors that bring its volume to 60 °F and 0 psig.
#pragma once

#include "calc/edition2004/commodity_group.h"

namespace corvald::calc::edition2004 {

// source kMpms2004: δ60, the step from 60 °F on ITS-90 to IPTS-68, and T*, 60 °F on ITS-90
// expressed on IPTS-68.
inline constexpr double kBaseTemperature = 60.0; // °F, ITS-90
inline constexpr double kDelta60 = 0.01374979547; // °F
inline constexpr double kBaseTemperature68 = 60.0068749; // °F

// source kMpms2004: the quadratic weight of the temperature factor,
// CTL = exp(−α60·Δt·(1 + 0.8·α60·(Δt + δ60))), and of the density shift.
inline constexpr double kQuadraticWeight = 0.8;

struct Conditions {
    double temperature; // °F, ITS-90
    double pressure; // psig; the factors take a negative one as 0
};

// Every value of one correction, unrounded, for a report that shows its steps.
struct CorrectionFactors {
    const CommodityGroup* group; // the one the factors were computed with
    double density60; // kg/m3
    double shiftedDensity; // ρ*, kg/m3: the density at 60 °F on the scale of the fit
    double alpha60; // 1/°F
    double temperature68; // t*, °F
    double ctl; // temperature correction
    double fp; // scaled compressibility, 10⁻⁵/psi
    double cpl; // pressure correction
    double ctpl; // ctl·cpl
};

// The factors of a density at 60 °F of the given group.
CorrectionFactors correctionFactors(
    const CommodityGroup& group, double density60, const Conditions& conditions);

// CTL alone of a density of the group at an IPTS-68 temperature, the step both the
// 60 °F procedure and the other bases take.
double temperatureFactor(double alpha60, double temperature68);

} // namespace corvald::calc::edition2004
