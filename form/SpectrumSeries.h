// The chart's four curves as every window fills them: the design spectra of one site class at the
// sample periods, a curve per level in level order. Any toolkit's series with AddXY(x, y) will do.
#pragma once

#include "engine/DesignResponse.h"
#include "engine/ParameterSet.h"

namespace gb {

template <class Series>
void AddSpectrumPoints(Series* const (&curves)[kLevelCount], const ParameterSet& p, int siteClass) {
  for (int level = 0; level < kLevelCount; ++level) {
    for (int i = 0; i < SpectrumPointCount; ++i) {
      curves[level]->AddXY(SamplePeriod(i), SpectrumOrdinate(p, level, siteClass, i));
    }
  }
}

}  // namespace gb
