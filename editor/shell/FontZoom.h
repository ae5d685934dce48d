// Zooming the displayed font: steps of a fixed scale of sizes around the chosen font's,
// which itself stays what the user chose (and what printing uses).
#pragma once

constexpr int MinZoom = -5;
constexpr int MaxZoom = 9;

// zoom, or the nearest step there is.
int ClampZoom(int zoom);
// The font height (in the platform's signed form: negative for the character height) at
// the zoom step; never 0, which would mean the platform's default size.
int ZoomedHeight(int height, int zoom);
