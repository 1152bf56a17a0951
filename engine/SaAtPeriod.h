// The four spectra of one site class read at any period, not only at the plotted samples: what a
// designer takes for a structure of that fundamental period.
#pragma once

#include "engine/ParameterSet.h"

namespace gb {

// Sa in g of each level, in level order (frequent, basic, rare, very rare).
struct LevelOrdinates {
  double sa[kLevelCount] = {};
};

// Sa of `level` at `period` by the very function and arguments of the plotted samples, so at a
// sample period it is that sample's ordinate. A negative period lies on no branch the spectrum
// defines: the descending formula gives the invalid operation there.
double SpectrumOrdinateAt(const ParameterSet& p, int level, int siteClass, double period);

// All four levels, level by level, so the first fault (EInvalidOp, EOverflow) is the one a re-plot
// would meet first.
LevelOrdinates SpectrumAtPeriod(const ParameterSet& p, int siteClass, double period);

}  // namespace gb
