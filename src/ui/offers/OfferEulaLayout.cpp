#include "ui/offers/OfferEulaLayout.h"

#include <cwctype>

namespace OfferEulaLayout {
namespace {

bool IsLanguage(const std::wstring& language, const wchar_t* name)
{
    const std::wstring wanted(name);
    if (language.size() != wanted.size())
        return false;
    for (size_t i = 0; i < wanted.size(); ++i) {
        if (std::towlower(language[i]) != std::towlower(wanted[i]))
            return false;
    }
    return true;
}

bool IsAnyOf(const std::wstring& language, std::initializer_list<const wchar_t*> names)
{
    for (const wchar_t* name : names) {
        if (IsLanguage(language, name))
            return true;
    }
    return false;
}

class Builder {
public:
    Builder(int kind, const std::wstring& language, const Translator& translate, const Measure& measure)
        : m_kind(kind), m_language(language), m_translate(translate), m_measure(measure)
    {
    }

    // Adds a piece; returns its translated text.
    const std::wstring& Add(int id, const wchar_t* english, Box box)
    {
        m_layout.pieces.push_back(Piece{id, m_translate(english), box, StyleOf(m_kind, id, m_language)});
        return m_layout.pieces.back().text;
    }
    Extent Size(const std::wstring& text, int height, bool bold) const { return m_measure(text, height, bold); }
    void Link(const std::wstring& text, int left, int top, int height, bool bold)
    {
        const Extent size = Size(text, height, bold);
        m_layout.links.push_back(Box{left, top, left + size.cx, top + size.cy});
    }
    bool Is(std::initializer_list<const wchar_t*> names) const { return IsAnyOf(m_language, names); }
    Layout Take() { return std::move(m_layout); }

private:
    int m_kind;
    const std::wstring& m_language;
    const Translator& m_translate;
    const Measure& m_measure;
    Layout m_layout;
};

// The browser's heading: shared by kinds 1 and 3.
void AddBrowserHeading(Builder& b)
{
    const Extent first = b.Size(b.Add(2200, L"recommands", {157, 132, 357, 190}), 1, true);
    b.Add(2201, L"Google Chrome,", {first.cx + 160, 132, 520, 190});
    b.Add(2202, L"a faster way to browse the web", {85, first.cy + 132, 500, first.cy + 190});
}

void ArrangeBrowser(Builder& b)
{
    AddBrowserHeading(b);
    b.Add(2203, L"Include Google Chrome as my default browser", {50, 385, 457, 450});
    const std::wstring& agree =
        b.Add(2204, L"By installing this application, you agree to the Google Chrome", {51, 404, 457, 450});
    const int agreeWidth = b.Size(agree, 3, false).cx;
    int x = agreeWidth + 53;
    int y = 404;
    if (agreeWidth + 53 > 350 || b.Is({L"German", L"Russian"})) {
        x = 51;
        y = 419;
    }
    const std::wstring& terms = b.Add(2205, L"Terms of use", {x, y, 457, y + 46});
    b.Link(terms, x, y, 3, false);
    const int andLeft = x + b.Size(terms, 3, false).cx + 2;
    const std::wstring& conj = b.Add(2206, L"and", {andLeft, y, 457, y + 46});
    const int privacyLeft = andLeft + b.Size(conj, 3, false).cx + 2;
    const std::wstring& privacy = b.Add(2207, L"Privacy policy", {privacyLeft, y, 500, y + 46});
    b.Link(privacy, privacyLeft, y, 3, false);
}

void ArrangeToolbar(Builder& b)
{
    const Extent free = b.Size(b.Add(2200, L"Free!", {32, 49, 200, 100}), 1, true);
    const int d = b.Is({L"French", L"Japanese", L"Russian"}) ? free.cy : 0;
    b.Add(2201, L"Google Toolbar for Internet Explorer", {free.cx + 35, d + 49, free.cx + 385, d + 100});
    b.Add(2202, L"Google Toolbar makes web browsing more convenient:", {33, 166, 500, 200});
    b.Add(2203, L"Search from any website", {107, 194, 500, 250});
    b.Add(2203, L"Translate web pages instantly", {107, 216, 500, 270});
    b.Add(2203, L"Share your favorite sites with friends", {107, 238, 500, 290});
    b.Add(2202, L"Install the free Google Toolbar along with OVRA", {56, 274, 550, 320});
    const int r = b.Is({L"Russian"}) ? 15 : 0;
    b.Add(2203, L"You can remove it easily at any time", {56, r + 291, 500, r + 340});
    b.Add(2203, L"By installing this application you agree to the Google Toolbar", {56, 323, 500, 370});
    const std::wstring& terms = b.Add(2204, L"Terms and Conditions", {56, 336, 500, 370});
    b.Link(terms, 56, 336, 3, false);
    const int andLeft = b.Size(terms, 3, false).cx + 58;
    const std::wstring& conj = b.Add(2205, L"and the", {andLeft, 336, 500, 370});
    const int privacyLeft = andLeft + b.Size(conj, 3, false).cx + 2;
    const std::wstring& privacy = b.Add(2206, L"Privacy Policy", {privacyLeft, 336, 500, 370});
    b.Link(privacy, privacyLeft, 336, 3, false);
}

void ArrangeBoth(Builder& b)
{
    AddBrowserHeading(b);
    b.Add(2203, L"Include Google Chrome as my default browser", {50, 385, 457, 450});
    const std::wstring& also = b.Add(2204, L"Also include Google Toolbar for Internet Explorer - ", {50, 404, 520, 450});
    const int learnLeft = b.Size(also, 3, true).cx + 55;
    const std::wstring& learn = b.Add(2205, L"Learn more", {learnLeft, 404, 550, 450});
    b.Link(learn, learnLeft, 404, b.Is({L"German"}) ? 4 : 3, true);
    if (b.Is({L"English", L"TChinese", L"SChinese"})) {
        const std::wstring& whole = b.Add(
            2207, L"By installing this application, you agree to the Google Licensing Agreement and Privacy Policy",
            {51, 423, 520, 490});
        b.Link(whole, 51, 423, 4, false);
        return;
    }
    const std::wstring& agree = b.Add(2206, L"By installing this application, you agree to the", {51, 423, 500, 460});
    const int licenceLeft = b.Size(agree, 4, false).cx + 55;
    const std::wstring& licence =
        b.Add(2207, L"Google Licensing Agreement and Privacy Policy", {licenceLeft, 423, 530, 460});
    b.Link(licence, licenceLeft, 423, 4, false);
}

} // namespace

Layout Arrange(int kind, const std::wstring& language, const Translator& translate, const Measure& measure)
{
    Builder builder(kind, language, translate, measure);
    switch (kind) {
    case 1:
        ArrangeBrowser(builder);
        break;
    case 2:
        ArrangeToolbar(builder);
        break;
    case 3:
        ArrangeBoth(builder);
        break;
    default:
        break;
    }
    return builder.Take();
}

Style StyleOf(int kind, int id, const std::wstring& language)
{
    const bool asianHeading = IsAnyOf(language, {L"Japanese", L"Korean"});
    switch (kind) {
    case 1:
    case 3:
        switch (id) {
        case 2200:
            return {1, true, false,
                    (kind == 1 ? IsAnyOf(language, {L"TChinese", L"Korean"}) : asianHeading) ? 0 : 1};
        case 2201:
        case 2202:
            return {1, true, false, IsAnyOf(language, {L"Japanese"}) ? 0 : 2};
        case 2203:
            return kind == 1 ? Style{2, true, false, 2} : Style{3, true, false, 2};
        case 2204:
            return kind == 1 ? Style{3, false, false, 2} : Style{3, true, false, 2};
        case 2205:
            if (kind == 1)
                return {3, false, true, 3};
            return {IsAnyOf(language, {L"German"}) ? 4 : 3, true, true, 3};
        case 2206:
            return kind == 1 ? Style{3, false, false, 2} : Style{4, false, false, 2};
        case 2207:
            return kind == 1 ? Style{3, false, true, 3} : Style{4, false, true, 3};
        default:
            return {};
        }
    case 2:
        switch (id) {
        case 2200:
            return {1, true, false, asianHeading ? 0 : 4};
        case 2201:
            return {1, true, false, 2};
        case 2202:
            return {2, true, false, 2};
        case 2203:
        case 2205:
            return {3, false, false, 5};
        case 2204:
        case 2206:
            return {3, false, true, 3};
        default:
            return {};
        }
    default:
        return {};
    }
}

const wchar_t* PictureName(int kind)
{
    switch (kind) {
    case 1:
        return L"eula_chrome.png";
    case 2:
        return L"eula_toolbar.png";
    default:
        return L"eula_dual.png";
    }
}

int PopupHeight(int kind)
{
    return kind == 2 ? 422 : 520;
}

int FirstBoxTop(int kind)
{
    return kind == 2 ? 274 : 386;
}

bool StrictlyInside(const Box& box, int x, int y)
{
    return x > box.left && x < box.right && y > box.top && y < box.bottom;
}

} // namespace OfferEulaLayout
