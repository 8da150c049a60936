#pragma once
#include <string>

// The loading animation's frame files and its step from frame to frame.
class LoadingFrames {
public:
    static constexpr int kCount = 39;

    // File name of frame n (1 ... kCount): "a010001.png" to "a010039.png".
    static std::wstring FileName(int n);
    // The frame after index (0-based) among count frames; wraps to 0.
    static int Next(int index, int count);
};
