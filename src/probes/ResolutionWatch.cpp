#include "probes/ResolutionWatch.h"

#include <cstdio>

void ResolutionWatch::Start(bool read, int width, int height)
{
    m_watched = read ? Size{width, height} : kFallback;
}

bool ResolutionWatch::Observe(int width, int height, std::string& report)
{
    if (width == m_watched.width && height == m_watched.height)
        return false;
    char lines[160];
    std::snprintf(lines, sizeof lines,
                  "======Resolution Change=======\nNew Resolution: W:%d, H:%d\nOld Resolution: W:%d, H:%d\n", width,
                  height, m_watched.width, m_watched.height);
    report = lines;
    m_watched = Size{width, height};
    return true;
}
