// The rounding of every pixel computation of the calendar and the text
// renderer.
#pragma once

// x rounded to the nearest integer, a half going to the even neighbour.
// Values beyond ±2^24 are clamped there first, so the result always fits an
// int with room for the box arithmetic; NaN gives 0.
int RoundHalfEven(double x);
