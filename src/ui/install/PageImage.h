#pragma once
#include <string>

// The picture a page stands for when no browser engine draws it: the file
// itself, or an HTML page's first <img> source.
namespace PageImage {

bool IsHtml(const std::wstring& path);
// The src attribute of the first <img> tag (bytes as written), or empty.
std::string FirstImageSource(const std::string& html);
// A source relative to the page's folder becomes a path beside the page;
// "file:" addresses and absolute paths stand; %XX escapes are decoded.
// Empty for web addresses.
std::wstring Resolve(const std::wstring& pagePath, const std::wstring& source);

} // namespace PageImage

namespace PageImage {

struct Place {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Place&) const = default;
};
// A picture scaled to fit a box, keeping its proportions, centred.
Place Fit(int pictureWidth, int pictureHeight, int boxWidth, int boxHeight);

} // namespace PageImage
