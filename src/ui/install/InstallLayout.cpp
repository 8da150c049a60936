#include "ui/install/InstallLayout.h"

#include <algorithm>

namespace InstallLayout {

namespace {

constexpr int kTextLine = 593; // the texts' top in the overlay look
constexpr int kStripTextX = 63;
constexpr int kPercentRightEdge = 620;

Box At(int x, int y, int width, int height)
{
    return Box{x, y, x + width, y + height};
}

} // namespace

bool BottomStrip(int boardLine)
{
    return boardLine == 4 || boardLine == 5;
}

int StripOffset(int boardLine)
{
    return BottomStrip(boardLine) ? kStripTop : 0;
}

Box Dialog(int stripOffset)
{
    return Box{0, stripOffset, kViewWidth, kViewHeight};
}

Box Cancel(int stripOffset)
{
    return At(867, 573 - stripOffset, 142, 34);
}

Box RemainingText(int stripOffset, int width, int height)
{
    return At(stripOffset ? kStripTextX : 13, kTextLine - stripOffset, width, height);
}

Box PercentText(int stripOffset, int width, int height)
{
    if (stripOffset)
        return At(kStripTextX, kTextLine - stripOffset - 25, width, height);
    return At(kPercentRightEdge - width, kTextLine, width, height);
}

int NextPhase(int phase)
{
    phase += 2;
    return phase > 13 ? 0 : phase;
}

Box BarCopy(int percent, int phase)
{
    percent = std::clamp(percent, 0, 100);
    return At(phase - kBarPeriod, 0, percent * kBarStep - phase + kBarPeriod, kProgressBar.Height());
}

} // namespace InstallLayout
