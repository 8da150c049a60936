#pragma once
#include <string>

// The size the windows were last laid out for, and whether a newly read size
// differs from it.
class ResolutionWatch {
public:
    struct Size {
        int width = 0;
        int height = 0;
    };
    static constexpr Size kFallback{1024, 768};

    // The size to start from; an unreadable resolution starts from 1024 x 768.
    void Start(bool read, int width, int height);
    // True when (width, height) is not the watched size: it becomes the
    // watched size and report holds the lines for the debugger output.
    bool Observe(int width, int height, std::string& report);
    Size Watched() const { return m_watched; }

private:
    Size m_watched = kFallback;
};
