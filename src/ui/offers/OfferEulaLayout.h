#pragma once
#include <functional>
#include <string>
#include <vector>

// Where the offer licence dialog puts its texts, in which type style each is
// drawn and which two of them are links; depends on the offer kind (1 the
// browser, 2 the toolbar, 3 both) and the language's line lengths.
namespace OfferEulaLayout {

struct Box {
    int left = 0, top = 0, right = 0, bottom = 0;
};

struct Extent {
    int cx = 0, cy = 0;
};

// A type style: height style 1 to 4, weight and underline; colour style 1
// to 5, 0 where the text keeps the context's default colour.
struct Style {
    int height = 3;
    bool bold = false;
    bool underline = false;
    int colour = 0;
};

struct Piece {
    int id = 0;
    std::wstring text; // translated
    Box box;
    Style style;
};

struct Layout {
    std::vector<Piece> pieces;
    // The two link rectangles (first, second), in client coordinates.
    std::vector<Box> links;
};

// Text extent in "Arial" of height style `height` (1 to 4), bold or not.
using Measure = std::function<Extent(const std::wstring& text, int height, bool bold)>;
using Translator = std::function<std::wstring(const wchar_t* english)>;

// The pieces of one kind (nothing for another kind). Language names are
// compared without regard to case.
Layout Arrange(int kind, const std::wstring& language, const Translator& translate, const Measure& measure);

// The style of a text ID in a kind.
Style StyleOf(int kind, int id, const std::wstring& language);

// The dialog's picture and size per kind.
const wchar_t* PictureName(int kind);
int PopupHeight(int kind);
constexpr int kPopupWidth = 531;

// Check box places: the first per kind, the second (kind 3 only).
int FirstBoxTop(int kind);
constexpr int kBoxLeft = 32;
constexpr int kSecondBoxTop = 405;

// "Strictly inside": the edges do not count.
bool StrictlyInside(const Box& box, int x, int y);

} // namespace OfferEulaLayout
