#include "equation_of_time.h"

#include <cmath>
#include <numbers>

namespace moment {
namespace {

constexpr double kDegree = std::numbers::pi / 180;
constexpr double kArcsecond = 1.0 / 3600;

double SinDeg(double degrees) { return std::sin(degrees * kDegree); }
double CosDeg(double degrees) { return std::cos(degrees * kDegree); }

// An angle brought into −180..180 degrees.
double Centred(double degrees) { return std::remainder(degrees, 360.0); }

}  // namespace

double EquationOfTimeSeconds(std::chrono::sys_seconds universal) {
    using namespace std::chrono;
    // Julian centuries from J2000.0 (2000-01-01 12:00).
    constexpr sys_seconds kJ2000 = sys_days{year{2000} / January / 1} + hours{12};
    const double t = duration<double, days::period>(universal - kJ2000).count() / 36525.0;
    const double millennia = t / 10;

    // The sun's mean longitude, eq. 28.2.
    const double meanLongitude = 280.4664567 + 360007.6982779 * millennia + 0.03032028 * std::pow(millennia, 2) +
                                 std::pow(millennia, 3) / 49931 - std::pow(millennia, 4) / 15300 -
                                 std::pow(millennia, 5) / 2000000;

    // The sun's apparent longitude, ch. 25.
    const double anomaly = 357.52911 + 35999.05029 * t - 0.0001537 * t * t;
    const double centre = (1.914602 - 0.004817 * t - 0.000014 * t * t) * SinDeg(anomaly) +
                          (0.019993 - 0.000101 * t) * SinDeg(2 * anomaly) + 0.000289 * SinDeg(3 * anomaly);
    const double geometricLongitude = 280.46646 + 36000.76983 * t + 0.0003032 * t * t + centre;
    const double node = 125.04452 - 1934.136261 * t;  // the moon's ascending node
    const double apparentLongitude = geometricLongitude - 0.00569 - 0.00478 * SinDeg(node);

    // Nutation and the obliquity, ch. 22.
    const double sunMean = 280.4665 + 36000.7698 * t;
    const double moonMean = 218.3165 + 481267.8813 * t;
    const double nutationInLongitude = (-17.20 * SinDeg(node) - 1.32 * SinDeg(2 * sunMean) -
                                        0.23 * SinDeg(2 * moonMean) + 0.21 * SinDeg(2 * node)) *
                                       kArcsecond;
    const double nutationInObliquity = (9.20 * CosDeg(node) + 0.57 * CosDeg(2 * sunMean) +
                                        0.10 * CosDeg(2 * moonMean) - 0.09 * CosDeg(2 * node)) *
                                       kArcsecond;
    const double meanObliquity = 23 + 26.0 / 60 + (21.448 - 46.8150 * t - 0.00059 * t * t + 0.001813 * t * t * t) * kArcsecond;
    // Ch. 25 corrects the obliquity for the apparent right ascension by
    // the node alone; eq. 28.3 wants the true obliquity.
    const double apparentObliquity = meanObliquity + 0.00256 * CosDeg(node);
    const double trueObliquity = meanObliquity + nutationInObliquity;

    const double rightAscension = std::atan2(CosDeg(apparentObliquity) * SinDeg(apparentLongitude),
                                             CosDeg(apparentLongitude)) / kDegree;
    const double degrees =
        Centred(meanLongitude - 0.0057183 - rightAscension + nutationInLongitude * CosDeg(trueObliquity));
    return degrees * 240;  // the sky turns a degree in four minutes
}

}  // namespace moment
