// Writes the astronomical calendar table: for each Gregorian year 1899..2101
// the moments of its 24 solar terms and of the new moons that fall in it, on
// the clock the calendars of the day were reckoned by: Beijing's local mean
// time (UTC+7:45:40) before 1929, Beijing time (UTC+8) from 1929 on.
//
//   gen_astronomical_calendar --table LIBNOVA_VERSION   the whole table, banner first
//   gen_astronomical_calendar YEAR...                   only those years' rows
//
// The Sun (VSOP87) and the Moon (ELP 2000-82B) come from libnova, whose
// longitudes are referred to the mean equinox of J2000; the calendar needs
// them apparent, of date. Each position therefore goes to J2000 equatorial
// coordinates, is precessed to the date (libnova's ecliptic precession
// returns zeros, its equatorial one works), comes back to the ecliptic of
// date, and gets nutation; the Sun also gets aberration. Each event is a root
// of a longitude difference, found by the secant method in a few steps.
#include <libnova/libnova.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int kFirstYear = 1899;
constexpr int kLastYear = 2101;
constexpr int kTermCount = 24;
constexpr double kJ2000 = 2451545.0;
// Julian day of the Unix epoch and of 1899-12-30 00:00 UT, the origin of the
// calendar's date-time values.
constexpr double kUnixEpochJd = 2440587.5;
constexpr double kDateTimeEpochJd = 2415018.5;
// Until 1929 the almanacs were computed on the meridian of the Beijing
// observatory, 116°25'E: 4 minutes of time a degree puts its mean time
// 7 h 45 min 40 s ahead of Greenwich. From 1929 the standard meridian of
// 120°E (UTC+8) took its place, and the calendars followed.
constexpr int kStandardMeridianYear = 1929;
constexpr double kBeijingMeanTimeOffsetDays = (7 * 3600 + 45 * 60 + 40) / 86400.0;
constexpr double kBeijingStandardOffsetDays = 8.0 / 24.0;
constexpr double kDegree = M_PI / 180.0;

double julianDayOf(int year, unsigned month, unsigned day) {
    using namespace std::chrono;
    const sys_days date = std::chrono::year{year} / std::chrono::month{month} / std::chrono::day{day};
    return kUnixEpochJd + date.time_since_epoch().count();
}

// ΔT = TT - UT in seconds, by the polynomial expressions of Espenak and
// Meeus (Five Millennium Canon of Solar Eclipses, 2006) for 1860..2150.
// libnova's own ΔT gives 134 s for 2024 against the observed 69 s.
double deltaTSeconds(double jdUt) {
    const double y = 2000.0 + (jdUt - kJ2000) / 365.25;
    if (y < 1900) {
        const double t = y - 1860;
        return 7.62 + 0.5737 * t - 0.251754 * t * t + 0.01680668 * std::pow(t, 3) - 0.0004473624 * std::pow(t, 4) +
               std::pow(t, 5) / 233174;
    }
    if (y < 1920) {
        const double t = y - 1900;
        return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * std::pow(t, 3) - 0.000197 * std::pow(t, 4);
    }
    if (y < 1941) {
        const double t = y - 1920;
        return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * std::pow(t, 3);
    }
    if (y < 1961) {
        const double t = y - 1950;
        return 29.07 + 0.407 * t - t * t / 233 + std::pow(t, 3) / 2547;
    }
    if (y < 1986) {
        const double t = y - 1975;
        return 45.45 + 1.067 * t - t * t / 260 - std::pow(t, 3) / 718;
    }
    if (y < 2005) {
        const double t = y - 2000;
        return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * std::pow(t, 3) + 0.000651814 * std::pow(t, 4) +
               0.00002373599 * std::pow(t, 5);
    }
    if (y < 2050) {
        const double t = y - 2000;
        return 62.92 + 0.32217 * t + 0.005589 * t * t;
    }
    const double u = (y - 1820) / 100;
    return -20 + 32 * u * u - 0.5628 * (2150 - y);
}

// The angle in degrees brought into [-180, 180).
double wrap180(double degrees) { return degrees - 360.0 * std::floor((degrees + 180.0) / 360.0); }

// Ecliptic longitude and latitude (degrees) on the obliquity `epsilon` to
// right ascension and declination, and back.
ln_equ_posn equatorialOf(double longitude, double latitude, double epsilon) {
    const double l = longitude * kDegree, b = latitude * kDegree, e = epsilon * kDegree;
    const double ra = std::atan2(std::sin(l) * std::cos(e) - std::tan(b) * std::sin(e), std::cos(l));
    const double dec = std::asin(std::sin(b) * std::cos(e) + std::cos(b) * std::sin(e) * std::sin(l));
    return {ra / kDegree, dec / kDegree};
}

double eclipticLongitudeOf(const ln_equ_posn& position, double epsilon) {
    const double a = position.ra * kDegree, d = position.dec * kDegree, e = epsilon * kDegree;
    return std::atan2(std::sin(a) * std::cos(e) + std::tan(d) * std::sin(e), std::cos(a)) / kDegree;
}

// The apparent longitude of date of a body at J2000 ecliptic `longitude`,
// `latitude`, at the dynamical time `jde`, without aberration.
double longitudeOfDate(double longitude, double latitude, double jde) {
    ln_nutation j2000{}, ofDate{};
    ln_get_nutation(kJ2000, &j2000);  // `ecliptic` is the mean obliquity
    ln_get_nutation(jde, &ofDate);
    ln_equ_posn mean = equatorialOf(longitude, latitude, j2000.ecliptic);
    ln_equ_posn precessed{};
    ln_get_equ_prec2(&mean, kJ2000, jde, &precessed);
    return eclipticLongitudeOf(precessed, ofDate.ecliptic) + ofDate.longitude;
}

double sunLongitude(double jdUt) {
    const double jde = jdUt + deltaTSeconds(jdUt) / 86400.0;
    ln_helio_posn sun{};
    ln_get_solar_geom_coords(jde, &sun);
    // Annual aberration: the constant of aberration over the distance in AU.
    const double aberration = 20.4898 / 3600.0 / sun.R;
    return longitudeOfDate(sun.L, sun.B, jde) - aberration;
}

// The Moon's light time (1.3 s) would move its longitude by under an arc
// second, a shift of about a second in a new moon: left out.
double moonLongitude(double jdUt) {
    const double jde = jdUt + deltaTSeconds(jdUt) / 86400.0;
    ln_lnlat_posn moon{};
    ln_get_lunar_ecl_coords(jde, &moon, 0);
    return longitudeOfDate(moon.lng, moon.lat, jde);
}

// The moment near `guess` where `offset` (degrees, wrapped) is zero; `slope`
// is its mean rate in degrees a day. Secant steps: each evaluation gains
// several digits, so an event costs four to six evaluations.
double rootNear(const std::function<double(double)>& offset, double guess, double slope) {
    constexpr double kToleranceDays = 1e-6;  // 0.09 s
    double t = guess;
    double f = wrap180(offset(t));
    for (int step = 0; step < 30; ++step) {
        const double next = t - f / slope;
        if (std::abs(next - t) < kToleranceDays) return next;
        const double fNext = wrap180(offset(next));
        slope = (fNext - f) / (next - t);
        t = next;
        f = fNext;
    }
    std::fprintf(stderr, "no root near JD %.5f\n", guess);
    std::exit(1);
}

// The clock's lead on universal time in the civil year `year`.
double beijingOffsetDaysIn(int year) {
    return year < kStandardMeridianYear ? kBeijingMeanTimeOffsetDays : kBeijingStandardOffsetDays;
}

// The universal time at which the civil year `year` begins on Beijing's clock.
// The year 1928 ends when 1929 begins, at 23:45:40 of its mean time: the
// clock's jump to 120°E leaves no moment in two years or in none.
double yearStartUt(int year) { return julianDayOf(year, 1, 1) - beijingOffsetDaysIn(year); }

// Minutes from 1899-12-30 00:00 on Beijing's clock of the moment, rounded
// down: a moment keeps the day it falls on.
long beijingMinutes(double jdUt) {
    const double offset =
        jdUt < yearStartUt(kStandardMeridianYear) ? kBeijingMeanTimeOffsetDays : kBeijingStandardOffsetDays;
    return static_cast<long>(std::floor((jdUt - kDateTimeEpochJd + offset) * 1440.0));
}

// Term i of a year (0 = 小寒, 285°) lies at 285° + 15° i.
std::vector<long> termMinutes(int year) {
    std::vector<long> minutes;
    for (int term = 0; term < kTermCount; ++term) {
        const double target = 285.0 + 15.0 * term;
        const double guess = julianDayOf(year, 1, 6) + term * 365.2422 / kTermCount;
        minutes.push_back(beijingMinutes(
            rootNear([target](double t) { return sunLongitude(t) - target; }, guess, 360.0 / 365.2422)));
    }
    return minutes;
}

// The new moons whose Beijing day falls in `year`, from the mean lunation
// (Meeus, Astronomical Algorithms, 49.1) as first guesses. A true new moon
// lies within 15 hours of the mean one, so guesses more than a day outside
// the year are not worth an evaluation.
std::vector<long> newMoonMinutes(int year) {
    constexpr double kMeanNewMoon2000 = 2451550.09766;
    constexpr double kSynodicMonth = 29.530588861;
    const double yearStart = yearStartUt(year);
    const double yearEnd = yearStartUt(year + 1);
    std::vector<long> minutes;
    for (long k = std::lround(std::floor((yearStart - 1 - kMeanNewMoon2000) / kSynodicMonth)) + 1;; ++k) {
        const double guess = kMeanNewMoon2000 + kSynodicMonth * k;
        if (guess >= yearEnd + 1) break;
        const double moment =
            rootNear([](double t) { return moonLongitude(t) - sunLongitude(t); }, guess, 360.0 / kSynodicMonth);
        if (moment >= yearStart && moment < yearEnd) minutes.push_back(beijingMinutes(moment));
    }
    return minutes;
}

void printList(const std::vector<long>& values) {
    std::printf("{");
    for (std::size_t i = 0; i < values.size(); ++i) std::printf(i ? ", %ld" : "%ld", values[i]);
    std::printf("}");
}

void printYear(int year) {
    std::printf("    {%d, ", year);
    printList(termMinutes(year));
    const std::vector<long> newMoons = newMoonMinutes(year);
    std::printf(", %zu, ", newMoons.size());
    printList(newMoons);
    std::printf("},\n");
}

void printBanner(const char* libnovaVersion) {
    std::printf(
        "// The astronomical calendar, Gregorian years %d..%d, a row a year:\n"
        "//   {year, {the 24 solar terms, 小寒 first}, count, {the new moons falling in the year}}\n"
        "// Moments in minutes from 1899-12-30 00:00 on Beijing's clock of the day,\n"
        "// rounded down so each keeps its day: Beijing local mean time (UTC+7:45:40,\n"
        "// the observatory's meridian 116°25'E) before 1929, as the calendars of\n"
        "// those years were reckoned, and UTC+8 (120°E) from 1929-01-01 00:00 on.\n"
        "// Apparent geocentric longitudes of date from libnova %s (Debian\n"
        "// libnova-dev): VSOP87 Sun, ELP 2000-82B Moon, IAU 1980 nutation, precessed\n"
        "// from J2000; dynamical time from ΔT by the polynomials of Espenak and\n"
        "// Meeus (2006). Written by scripts/gen_astronomical_calendar.cpp\n"
        "// (scripts/regenerate-astronomical-calendar.sh); do not edit.\n",
        kFirstYear, kLastYear, libnovaVersion);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--table") == 0) {
        printBanner(argv[2]);
        for (int year = kFirstYear; year <= kLastYear; ++year) printYear(year);
        return 0;
    }
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s --table LIBNOVA_VERSION | YEAR...\n", argv[0]);
        return 2;
    }
    for (int i = 1; i < argc; ++i) {
        char* end = nullptr;
        const long year = std::strtol(argv[i], &end, 10);
        if (*end != '\0' || year < kFirstYear || year > kLastYear) {
            std::fprintf(stderr, "year %s outside %d..%d\n", argv[i], kFirstYear, kLastYear);
            return 2;
        }
        printYear(static_cast<int>(year));
    }
    return 0;
}
