// The design acceleration response spectrum and its fixed sampling periods.
#pragma once

#include "engine/ParameterSet.h"

namespace gb {

inline constexpr double RiseEndPeriod = 0.1;    // T0, s: end of the rising branch
inline constexpr double DecayExponent = 0.9;    // gamma of the descending branch
inline constexpr double SpectrumStep = 0.025;   // s
inline constexpr int SpectrumPointCount = 241;  // 0 to 6 s inclusive

// Sa(T) in g: rising line from A at T = 0 to betaMax*A at T0, platform up to Tg, then
// A*betaMax*(Tg/T)^0.9. A negative Tg on the descending branch raises EInvalidOp; a result
// beyond the double range raises EOverflow.
double SpectralAcceleration(double T, double T0, double Tg, double A, double betaMax);

// The amplification factor beta of SpectralAcceleration, stored as the double it multiplies A
// with: SpectralAcceleration(T, T0, Tg, A, betaMax) == ScaleByPga(AmplificationFactor(T, T0, Tg,
// betaMax), A). Levels that share Tg share it.
double AmplificationFactor(double T, double T0, double Tg, double betaMax);
double ScaleByPga(double beta, double A);

// Sample period i (0..240) as i x 0.025, never accumulated by repeated addition.
double SamplePeriod(int i);

// Ordinate of sample i of the spectrum of (level, siteClass) from the stored parameter set.
double SpectrumOrdinate(const ParameterSet& p, Level level, SiteClass siteClass, int i);

}  // namespace gb
