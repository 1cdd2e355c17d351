#include "plot/iPlotMath.h"

#include "platform/core/Exception.h"
#include "platform/core/NumberUtils.h"

#include <algorithm>
#include <cmath>

namespace {

void CheckPositive(double x)
{
    if (!(x > 0))
        throw vcl::EMathError(QStringLiteral("Invalid floating point operation"));
}

void CheckSize(const std::vector<double>& a, int n)
{
    if (n < 1 || static_cast<int>(a.size()) <= n)
        throw vcl::ERangeError(QStringLiteral("Range check error"));
}

// Index of the X nearest to x (the first of equals).
int NearestIndex(const std::vector<double>& X, int n, double x)
{
    int ns = 1;
    double best = std::fabs(x - X[1]);
    for (int i = 2; i <= n; ++i) {
        const double d = std::fabs(x - X[i]);
        if (d < best) {
            ns = i;
            best = d;
        }
    }
    return ns;
}

// The correction step shared by Neville's and the rational tableau.
double NextCorrection(const std::vector<double>& c, const std::vector<double>& d, int n, int m, int& ns)
{
    if (2 * ns < n - m)
        return c[ns + 1];
    return d[ns--];
}

} // namespace

double iLog10(double x)
{
    CheckPositive(x);
    return std::log2(x) * std::log10(2.0);
}

double iPower(double Base, double Exponent)
{
    CheckPositive(Base);
    return std::exp(Exponent * std::log(Base));
}

void iSplineSecondDerivatives(const std::vector<double>& X, const std::vector<double>& Y, int n,
                              std::vector<double>& Y2)
{
    CheckSize(X, n);
    CheckSize(Y, n);
    if (n < 2)
        throw vcl::ERangeError(QStringLiteral("Range check error"));
    Y2.resize(std::max<std::size_t>(Y2.size(), n + 1));
    std::vector<double> u(n + 1, 0.0);
    const double yp1 = (Y[2] - Y[1]) / (X[2] - X[1]);
    const double ypn = (Y[n] - Y[n - 1]) / (X[n] - X[n - 1]);
    if (yp1 > 0.99e30) {
        Y2[1] = u[1] = 0;
    } else {
        Y2[1] = -0.5;
        u[1] = (3 / (X[2] - X[1])) * ((Y[2] - Y[1]) / (X[2] - X[1]) - yp1);
    }
    for (int i = 2; i <= n - 1; ++i) {
        const double sig = (X[i] - X[i - 1]) / (X[i + 1] - X[i - 1]);
        const double p = sig * Y2[i - 1] + 2;
        Y2[i] = (sig - 1) / p;
        u[i] = (Y[i + 1] - Y[i]) / (X[i + 1] - X[i]) - (Y[i] - Y[i - 1]) / (X[i] - X[i - 1]);
        u[i] = (6 * u[i] / (X[i + 1] - X[i - 1]) - sig * u[i - 1]) / p;
    }
    double qn = 0;
    double un = 0;
    if (!(ypn > 0.99e30)) {
        qn = 0.5;
        un = (3 / (X[n] - X[n - 1])) * (ypn - (Y[n] - Y[n - 1]) / (X[n] - X[n - 1]));
    }
    Y2[n] = (un - qn * u[n - 1]) / (qn * Y2[n - 1] + 1);
    for (int k = n - 1; k >= 1; --k)
        Y2[k] = Y2[k] * Y2[k + 1] + u[k];
}

double iSplineInterpolate(const std::vector<double>& X, const std::vector<double>& Y, const std::vector<double>& Y2,
                          int n, double x)
{
    CheckSize(X, n);
    CheckSize(Y, n);
    CheckSize(Y2, n);
    int lo = 1;
    int hi = n;
    while (hi - lo > 1) {
        const int k = (hi + lo) / 2;
        if (X[k] > x)
            hi = k;
        else
            lo = k;
    }
    const double h = X[hi] - X[lo];
    if (h == 0)
        throw vcl::Exception(QStringLiteral("Splint Error - xa's must be distinct"));
    const double a = (X[hi] - x) / h;
    const double b = (x - X[lo]) / h;
    return a * Y[lo] + b * Y[hi] + ((a * a * a - a) * Y2[lo] + (b * b * b - b) * Y2[hi]) * (h * h) / 6;
}

void iPolynomialInterpolate(const std::vector<double>& X, const std::vector<double>& Y, int n, double x, double& y,
                            double& dy)
{
    CheckSize(X, n);
    CheckSize(Y, n);
    int ns = NearestIndex(X, n, x);
    std::vector<double> c(Y.begin(), Y.begin() + n + 1);
    std::vector<double> d = c;
    y = Y[ns--];
    dy = 0;
    for (int m = 1; m <= n - 1; ++m) {
        for (int i = 1; i <= n - m; ++i) {
            const double ho = X[i] - x;
            const double hp = X[i + m] - x;
            const double w = c[i + 1] - d[i];
            double den = ho - hp;
            if (den == 0)
                throw vcl::Exception(QStringLiteral("Polynomial Interpolation Error - Pause in Routine Data"));
            den = w / den;
            d[i] = hp * den;
            c[i] = ho * den;
        }
        dy = NextCorrection(c, d, n, m, ns);
        y += dy;
    }
}

void iRationalInterpolate(const std::vector<double>& X, const std::vector<double>& Y, int n, double x, double& y,
                          double& dy)
{
    CheckSize(X, n);
    CheckSize(Y, n);
    constexpr double Tiny = 1e-25;
    std::vector<double> c(n + 1, 0.0);
    std::vector<double> d(n + 1, 0.0);
    int ns = 1;
    double hh = std::fabs(x - X[1]);
    for (int i = 1; i <= n; ++i) {
        const double h = std::fabs(x - X[i]);
        if (h == 0) {
            y = Y[i];
            dy = 0;
            return;
        }
        if (h < hh) {
            ns = i;
            hh = h;
        }
        c[i] = Y[i];
        d[i] = Y[i] + Tiny;
    }
    y = Y[ns--];
    dy = 0;
    for (int m = 1; m <= n - 1; ++m) {
        for (int i = 1; i <= n - m; ++i) {
            const double w = c[i + 1] - d[i];
            const double h = X[i + m] - x;
            const double t = (X[i] - x) * d[i] / h;
            double dd = t - c[i + 1];
            if (dd == 0)
                throw vcl::Exception(QStringLiteral("Rational Interpolation Error - Pause in Routine Data"));
            dd = w / dd;
            d[i] = c[i + 1] * dd;
            c[i] = t * dd;
        }
        dy = NextCorrection(c, d, n, m, ns);
        y += dy;
    }
}

void iLineSlopeIntercept(vcl::TPoint P1, vcl::TPoint P2, double& Slope, double& Intercept)
{
    if (P1.X == P2.X)
        Slope = 1e30;
    else
        Slope = static_cast<double>(P2.Y - P1.Y) / (P2.X - P1.X);
    Intercept = P1.Y - P1.X * Slope;
}

bool iSegmentsIntersect(vcl::TPoint P1, vcl::TPoint P2, vcl::TPoint P3, vcl::TPoint P4)
{
    double m1;
    double b1;
    double m2;
    double b2;
    iLineSlopeIntercept(P1, P2, m1, b1);
    iLineSlopeIntercept(P3, P4, m2, b2);
    if (m1 == m2)
        return false;
    const std::int64_t x = vcl::Round((b2 - b1) / (m1 - m2));
    const auto within = [x](int a, int b) { return x >= std::min(a, b) && x <= std::max(a, b); };
    return within(P1.X, P2.X) && within(P3.X, P4.X);
}

bool iLineIntersectsRect(vcl::TPoint P1, vcl::TPoint P2, const vcl::TRect& Rect)
{
    const vcl::TPoint topLeft { Rect.Left, Rect.Top };
    const vcl::TPoint topRight { Rect.Right, Rect.Top };
    const vcl::TPoint bottomLeft { Rect.Left, Rect.Bottom };
    const vcl::TPoint bottomRight { Rect.Right, Rect.Bottom };
    if (iSegmentsIntersect(P1, P2, bottomLeft, topLeft) || iSegmentsIntersect(P1, P2, topRight, topLeft)
        || iSegmentsIntersect(P1, P2, bottomRight, topRight) || iSegmentsIntersect(P1, P2, bottomLeft, bottomRight))
        return true;
    const auto inside = [&Rect](vcl::TPoint p) {
        return p.X >= Rect.Left && p.X <= Rect.Right && p.Y >= Rect.Top && p.Y <= Rect.Bottom;
    };
    return inside(P1) || inside(P2);
}
