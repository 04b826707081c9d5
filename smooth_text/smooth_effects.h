// The effects that reshape or soften a coverage mask in place. Each is one
// pass over the mask with integer arithmetic.
#pragma once

class TSmoothMask;

// Replaces every inner pixel by its edge strength (the mean of the absolute
// differences across it in four directions); the border keeps its values.
// A mask narrower or lower than 3 pixels stays unchanged.
void OutlineMask(TSmoothMask& mask);

// Moves each value toward the plain 5 × 5 average around it (edges
// repeated) by `strength` percent; 0 leaves the mask alone, 100 gives the
// average.
void BlurMask(TSmoothMask& mask, int strength);

// Scatters the text: every pixel, top row first, takes the value found at a
// random spot up to `amount` pixels away, as the mask holds it at that moment.
void SprayMask(TSmoothMask& mask, int amount);

// Reverses every row (left to right), or the order of the rows (upside down).
void MirrorMaskHorizontally(TSmoothMask& mask);
void MirrorMaskVertically(TSmoothMask& mask);
