// A design spectrum as the user-defined function of a structural analysis program: the points it
// interpolates linearly, with the spectrum's corners as points of their own, so that the
// interpolation never falls below the spectrum.
#pragma once

#include <vector>

#include "engine/ParameterSet.h"
#include "engine/ZoningTables.h"

namespace gb {

struct SpectrumPoint {
  double period;  // s
  double sa;      // g
};

// Sa of (level, siteClass) at exactly `period`: the spectrum function, whose branch at a corner
// is the one it takes there (T = Tg is on the platform). EOverflow and EInvalidOp propagate.
double SpectrumFunctionValue(const ParameterSet& p, Level level, SiteClass siteClass,
                             double period);

// The 241 sample periods of the chart and the report, and the corners T0 and Tg where
// T0 < Tg <= 6 s, ascending, each period once: a sample within a rounding of a corner gives way
// to the corner.
std::vector<double> SpectrumFunctionPeriods(const ParameterSet& p, Level level,
                                            SiteClass siteClass);

// The same for the four levels together: the union of their periods.
std::vector<double> SpectrumFunctionPeriods(const ParameterSet& p, SiteClass siteClass);

// The function's points: each period of SpectrumFunctionPeriods with its value.
std::vector<SpectrumPoint> SpectrumFunctionPoints(const ParameterSet& p, Level level,
                                                  SiteClass siteClass);

}  // namespace gb
