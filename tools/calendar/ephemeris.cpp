#include "ephemeris.hpp"

#include <libnova/earth.h>
#include <libnova/lunar.h>
#include <libnova/nutation.h>

#include <cmath>
#include <functional>
#include <stdexcept>

#include "delta_t.hpp"

namespace qinghe::calendar_gen {
namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double DegPerRad = 180.0 / Pi;
constexpr double RadPerArcsec = Pi / (180.0 * 3600.0);
constexpr double J2000 = 2451545.0;
constexpr double SecondsPerDay = 86400.0;
constexpr double LightDaysPerAu = 0.0057755183;
constexpr double LightSecondsPerKm = 1.0 / 299792.458;

double normalizeDegrees(double degrees) {
    double d = std::fmod(degrees, 360.0);
    return d < 0 ? d + 360.0 : d;
}

// Difference a − b folded into (−180°, 180°].
double signedDifference(double a, double b) {
    double d = normalizeDegrees(a - b);
    return d > 180.0 ? d - 360.0 : d;
}

struct Ecliptic {
    double longitude;  // degrees
    double latitude;   // degrees
};

// Ecliptic coordinates of J2000 to the mean ecliptic and equinox of date, with the IAU 2006
// (P03) precession quantities π_A, Π_A and p_A. The older IAU 1976 rate is 0.3″ a century too
// fast, which would move the terms of the 1900s by some seven seconds.
Ecliptic precessFromJ2000(Ecliptic p, double jdTt) {
    double t = (jdTt - J2000) / 36525.0;
    double eta = (46.998973 + (-0.0334926 + (-0.00012559 + 0.000000113 * t) * t) * t) * t;
    double node = 629546.7936 + (-867.95758 + (0.157992 + (-0.0005371 - 0.00004797 * t) * t) * t) * t;
    double general = (5028.796195 + (1.1054348 + (0.00007964 - 0.000023857 * t) * t) * t) * t;
    eta *= RadPerArcsec;
    node *= RadPerArcsec;
    general *= RadPerArcsec;

    double lambda0 = p.longitude / DegPerRad;
    double beta0 = p.latitude / DegPerRad;
    double a = std::cos(eta) * std::cos(beta0) * std::sin(node - lambda0) -
               std::sin(eta) * std::sin(beta0);
    double b = std::cos(beta0) * std::cos(node - lambda0);
    double c = std::cos(eta) * std::sin(beta0) +
               std::sin(eta) * std::cos(beta0) * std::sin(node - lambda0);
    return {normalizeDegrees((general + node - std::atan2(a, b)) * DegPerRad),
            std::asin(c) * DegPerRad};
}

// Nutation in longitude, degrees. libnova keeps its last result for a tenth of a day; asking
// for a far moment first makes it compute this one afresh.
double nutationInLongitude(double jdTt) {
    ln_nutation nutation{};
    ln_get_nutation(jdTt + 10.0, &nutation);
    ln_get_nutation(jdTt, &nutation);
    return nutation.longitude;
}

double fractionalYear(double jd) { return 2000.0 + (jd - 2451544.5) / 365.2425; }

// Finds t with f(t) = 0 near the guess by the secant method; f is a signed angle in degrees
// that grows by about `rate` degrees a day.
double findRoot(const std::function<double(double)>& f, double guess, double rate) {
    double t0 = guess;
    double f0 = f(t0);
    double t1 = t0 - f0 / rate;
    for (int i = 0; i < 30; ++i) {
        double f1 = f(t1);
        if (f1 == f0) return t1;
        double t2 = t1 - f1 * (t1 - t0) / (f1 - f0);
        t0 = t1;
        f0 = f1;
        t1 = t2;
        if (std::fabs(t1 - t0) < 1e-9) return t1;
    }
    throw std::runtime_error("root search did not converge");
}

}  // namespace

double julianDayUt(int year, int month, int day, double hours) {
    // Gregorian calendar; January and February count as months 13 and 14 of the year before.
    if (month <= 2) {
        year -= 1;
        month += 12;
    }
    int century = year / 100;
    int gregorian = 2 - century + century / 4;
    return std::floor(365.25 * (year + 4716)) + std::floor(30.6001 * (month + 1)) + day +
           gregorian - 1524.5 + hours / 24.0;
}

double ttFromUt(double jdUt) { return jdUt + deltaTSeconds(fractionalYear(jdUt)) / SecondsPerDay; }

double utFromTt(double jdTt) {
    // ΔT changes by far less than a second over its own size, so one step is exact enough.
    return jdTt - deltaTSeconds(fractionalYear(jdTt)) / SecondsPerDay;
}

double apparentSunLongitude(double jdTt) {
    // The Sun is seen where it was when its light left it; to first order that is where the
    // Earth's heliocentric position of that earlier moment puts it (light time and aberration
    // together).
    ln_helio_posn earth{};
    ln_get_earth_helio_coords(jdTt, &earth);
    ln_get_earth_helio_coords(jdTt - earth.R * LightDaysPerAu, &earth);
    // libnova has already moved the VSOP87 longitude by −0.09″ onto the FK5 equinox; that puts
    // it near enough to the ICRS origin the IAU 2006 precession is referred to (taking the
    // shift back out makes the terms some two seconds early against the IAU 2006/2000A models).
    Ecliptic sun{earth.L + 180.0, -earth.B};
    return normalizeDegrees(precessFromJ2000(sun, jdTt).longitude + nutationInLongitude(jdTt));
}

double apparentMoonLongitude(double jdTt) {
    // Seen from the Earth's centre the Moon's light time and the Earth's orbital aberration
    // cancel except for the Moon's own motion during the light time.
    ln_rect_posn moon{};
    ln_get_lunar_geo_posn(jdTt, &moon, 0.0);
    double distanceKm = std::sqrt(moon.X * moon.X + moon.Y * moon.Y + moon.Z * moon.Z);
    ln_get_lunar_geo_posn(jdTt - distanceKm * LightSecondsPerKm / SecondsPerDay, &moon, 0.0);
    Ecliptic position{std::atan2(moon.Y, moon.X) * DegPerRad,
                      std::atan2(moon.Z, std::hypot(moon.X, moon.Y)) * DegPerRad};
    return normalizeDegrees(precessFromJ2000(position, jdTt).longitude + nutationInLongitude(jdTt));
}

double solarLongitudeInstant(double longitude, double guessJdUt) {
    double jdTt = findRoot(
        [&](double t) { return signedDifference(apparentSunLongitude(t), longitude); },
        ttFromUt(guessJdUt), 360.0 / 365.2422);
    return utFromTt(jdTt);
}

double newMoonInstant(double guessJdUt) {
    double jdTt = findRoot(
        [](double t) { return signedDifference(apparentMoonLongitude(t), apparentSunLongitude(t)); },
        ttFromUt(guessJdUt), 360.0 / 29.530589);
    return utFromTt(jdTt);
}

}  // namespace qinghe::calendar_gen
