// The spectra a chart plots: the one path by which the four curves of a site class are filled,
// and whether they can be drawn without a fault.
#pragma once

#include "engine/DesignResponse.h"
#include "engine/ParameterSet.h"

namespace gb {

// The four spectra of `siteClass` as every chart, window, sheet and image shows them:
// add(level, period, sa) for each level in turn and each of its 241 samples, so the first fault
// (EInvalidOp, EOverflow) is the one a window shows.
template <class AddPoint>
void ForEachSpectrumPoint(const ParameterSet& p, SiteClass siteClass, AddPoint&& add) {
  for (const Level level : kLevels) {
    for (int i = 0; i < SpectrumPointCount; ++i) {
      add(level, SamplePeriod(i), SpectrumOrdinate(p, level, siteClass, i));
    }
  }
}

// Evaluates the four spectra of `siteClass` level by level, sample by sample, as the chart is
// filled, so the first fault (EInvalidOp, EOverflow) is the one the window would show.
void EvaluatePlottedSpectra(const ParameterSet& p, int siteClass);

// True only when no sample of the four spectra can fault: every period of the site class is
// zero or positive (no negative base for the power of the descending branch, and no sample
// period is zero outside the rising branch), and max(1, |betaMax|) x |A| stays far below the
// largest double for each level (no product can overflow, with room for the rounding of each
// step). False says nothing: the samples must then be evaluated.
bool PlottedSpectraCannotFault(const ParameterSet& p, int siteClass);

// The plotted spectra's verdict at the cost of a few comparisons wherever the cheap test above
// settles it; the full evaluation otherwise.
void CheckPlottedSpectra(const ParameterSet& p, int siteClass);

}  // namespace gb
