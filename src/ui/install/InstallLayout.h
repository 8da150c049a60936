#pragma once
#include "ui/LayoutBox.h"

// The installing view's fixed geometry in its two looks: the overlay over
// the whole view, and the bottom strip of board lines 4 and 5.
namespace InstallLayout {

using Box = LayoutBox;

constexpr int kViewWidth = 1020;
constexpr int kViewHeight = 620;
constexpr int kStripTop = 544;
// Pointer moves this low in the installing dialog hide the advertisements.
constexpr int kPointerBand = 512;
constexpr Box kBrowser{2, 1, 1021, 547};
constexpr Box kProgressBar{16, 568, 616, 582};
constexpr int kBarStep = 6; // pixels per percent
constexpr int kBarPeriod = 14;

bool BottomStrip(int boardLine);
// How far down the view the installing dialog starts.
int StripOffset(int boardLine);
// The installing dialog in the view's client coordinates.
Box Dialog(int stripOffset);
// Controls in the installing dialog's client coordinates.
Box Cancel(int stripOffset);
Box RemainingText(int stripOffset, int width, int height);
Box PercentText(int stripOffset, int width, int height);

// The progress bar's animation: the next phase and where the stripes are
// copied to (x may be negative; the filled part ends at percent x 6).
int NextPhase(int phase);
Box BarCopy(int percent, int phase);

} // namespace InstallLayout
