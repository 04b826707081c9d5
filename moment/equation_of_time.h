// The equation of time: how far the sun, as a sundial shows it, runs ahead
// of the mean sun a clock follows. True solar time is local mean time plus
// this.
#pragma once

#include <chrono>

namespace moment {

// Apparent minus mean solar time at `universal`, in seconds (about −14 min
// in February to +16 min in early November). Meeus, Astronomical
// Algorithms, ch. 28 (eq. 28.3), with the sun of ch. 25 and the nutation of
// ch. 22 to their lower accuracy: within a second of the book's worked
// example and within 4 s of NOAA's solar calculator over 1900–2100. The
// difference between universal and dynamical time (under two minutes in
// those years) moves the result by less than a tenth of a second, so it is
// left out.
double EquationOfTimeSeconds(std::chrono::sys_seconds universal);

}  // namespace moment
