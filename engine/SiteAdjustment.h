// Carrying a site-class-II peak acceleration over to any site class.
#pragma once

namespace gb {

// Peak acceleration (g) for site class `siteClass` (0..4) from the site-class-II value x (g):
// x times the site coefficient, held constant below 0.05 g and from 0.40 g on, piecewise linear
// between the breakpoints. Class II returns x unchanged.
double AdjustPeakAcceleration(double x, int siteClass);

// The site coefficient Fa that AdjustPeakAcceleration multiplies x with: 1 for class II.
double SiteCoefficient(double x, int siteClass);

}  // namespace gb
