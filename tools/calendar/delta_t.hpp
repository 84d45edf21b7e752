// ΔT = TT − UT, the lag of the Earth's rotation behind uniform time, in seconds.
#pragma once

namespace qinghe::calendar_gen {

// ΔT for a moment given as a fractional Gregorian year (2014.1 is early February 2014).
// Observed values for 1900 to 2025, interpolated linearly; a gentle rise after that.
double deltaTSeconds(double fractionalYear);

}  // namespace qinghe::calendar_gen
