#include "ui/skin/SkinManifest.h"

namespace {

class ManifestBuilder {
public:
    void Window(const wchar_t* name) { m_windows.push_back({name, {}, {}}); }
    void Image(const std::wstring& file, SkinSize size, int width, int height, SkinPixels pixels)
    {
        m_windows.back().images.push_back({file, size, width, height, pixels});
    }
    void States(const wchar_t* stem, SkinSize size, int width, int height, SkinPixels pixels)
    {
        for (const std::wstring& file : SkinManifest::StateFiles(stem))
            Image(file, size, width, height, pixels);
    }
    void Frames(const wchar_t* prefix, int digits, const wchar_t* suffix, int count, SkinSize size, int width,
                int height, SkinPixels pixels)
    {
        for (int n = 1; n <= count; ++n)
            Image(SkinManifest::FrameFile(prefix, digits, suffix, n), size, width, height, pixels);
    }
    void Key(const wchar_t* section, const wchar_t* key, SkinValue kind)
    {
        m_windows.back().keys.push_back({section, key, kind});
    }
    std::vector<SkinWindow> Take() { return std::move(m_windows); }

private:
    std::vector<SkinWindow> m_windows;
};

std::vector<SkinWindow> BuildManifest()
{
    ManifestBuilder b;
#define SKIN_WINDOW(name) b.Window(name);
#define SKIN_IMAGE(file, size, w, h, pixels) b.Image(file, SkinSize::size, w, h, SkinPixels::pixels);
#define SKIN_STATES(stem, size, w, h, pixels) b.States(stem, SkinSize::size, w, h, SkinPixels::pixels);
#define SKIN_FRAMES(prefix, digits, suffix, count, size, w, h, pixels) \
    b.Frames(prefix, digits, suffix, count, SkinSize::size, w, h, SkinPixels::pixels);
#define SKIN_KEY(section, key, kind) b.Key(section, key, SkinValue::kind);
#include "ui/skin/SkinManifest.inc"
#undef SKIN_WINDOW
#undef SKIN_IMAGE
#undef SKIN_STATES
#undef SKIN_FRAMES
#undef SKIN_KEY
    return b.Take();
}

} // namespace

const std::vector<SkinWindow>& SkinManifest::Windows()
{
    static const std::vector<SkinWindow> windows = BuildManifest();
    return windows;
}

std::vector<std::wstring> SkinManifest::StateFiles(const std::wstring& stem)
{
    return {stem + L"_n.png", stem + L"_s.png", stem + L"_f.png", stem + L"_d.png"};
}

std::wstring SkinManifest::FrameFile(const std::wstring& prefix, int digits, const std::wstring& suffix, int n)
{
    std::wstring number = std::to_wstring(n);
    if (static_cast<int>(number.size()) < digits)
        number.insert(0, static_cast<size_t>(digits) - number.size(), L'0');
    return prefix + number + suffix;
}
