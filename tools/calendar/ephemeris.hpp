// The Sun and the Moon as seen from the Earth's centre, and the instants the Chinese calendar is
// built on: when the Sun's apparent longitude reaches a multiple of 15° (the solar terms) and
// when the Moon's apparent longitude equals the Sun's (the new moons).
//
// Positions come from libnova: VSOP87 for the Earth and ELP 2000-82B for the Moon, both referred
// to the ecliptic and equinox of J2000. They are brought to the ecliptic of date with the
// IAU 2006 precession, then nutation (IAU 1980) and the light time are applied.
#pragma once

namespace qinghe::calendar_gen {

// Julian day numbers; "Ut" is Universal Time, "Tt" Terrestrial Time.
double julianDayUt(int year, int month, int day, double hours);
double ttFromUt(double jdUt);
double utFromTt(double jdTt);

// Apparent geocentric longitudes of date, in degrees [0, 360).
double apparentSunLongitude(double jdTt);
double apparentMoonLongitude(double jdTt);

// The instant (JD, UT) nearest to the guess at which the Sun's apparent longitude is
// `longitude` degrees.
double solarLongitudeInstant(double longitude, double guessJdUt);

// The new moon (JD, UT) nearest to the guess.
double newMoonInstant(double guessJdUt);

}  // namespace qinghe::calendar_gen
