#pragma once
// Numeric routines of the plot: base-10 logarithm and power for log scales, spline, polynomial and
// rational interpolation for interpolated traces, and line geometry for annotations.
//
// The interpolation arrays are indexed 1..n: element 0 exists and is ignored, so callers
// allocate n + 1 elements.

#include "platform/core/Types.h"

#include <vector>

// log10(x); x <= 0 (or NaN) raises vcl::EMathError "Invalid floating point operation".
double iLog10(double x);
// Base^Exponent for a positive Base; other bases raise as iLog10.
double iPower(double Base, double Exponent);

// Second derivatives Y2[1..n] of the cubic spline through (X[i], Y[i]), X strictly increasing,
// n >= 2, with the chord slopes of the first and last interval as end slopes.
void iSplineSecondDerivatives(const std::vector<double>& X, const std::vector<double>& Y, int n,
                              std::vector<double>& Y2);
// The spline's value at x; "Splint Error - xa's must be distinct" when the interval found is empty.
double iSplineInterpolate(const std::vector<double>& X, const std::vector<double>& Y, const std::vector<double>& Y2,
                          int n, double x);
// Neville's polynomial through the n points at x, with the last correction as error estimate dy;
// "Polynomial Interpolation Error - Pause in Routine Data" for two equal X.
void iPolynomialInterpolate(const std::vector<double>& X, const std::vector<double>& Y, int n, double x, double& y,
                            double& dy);
// The diagonal rational function through the n points at x, with error estimate dy;
// "Rational Interpolation Error - Pause in Routine Data" at a pole.
void iRationalInterpolate(const std::vector<double>& X, const std::vector<double>& Y, int n, double x, double& y,
                          double& dy);

// Slope and intercept of the line through two points; a vertical line has slope 1e30.
void iLineSlopeIntercept(vcl::TPoint P1, vcl::TPoint P2, double& Slope, double& Intercept);
// Whether segments P1-P2 and P3-P4 cross, judged by the X of the crossing of their lines.
bool iSegmentsIntersect(vcl::TPoint P1, vcl::TPoint P2, vcl::TPoint P3, vcl::TPoint P4);
// Whether segment P1-P2 meets an edge of Rect or has an end inside it (edges included).
bool iLineIntersectsRect(vcl::TPoint P1, vcl::TPoint P2, const vcl::TRect& Rect);
