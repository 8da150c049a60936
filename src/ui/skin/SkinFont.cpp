#include "ui/skin/SkinFont.h"

#include <string>

#include "config/CLanguage.h"
#include "ui/framework/GdiObject.h"

LOGFONTW SkinFont(HWND dialog, int height)
{
    LOGFONTW font{};
    HFONT own = dialog ? reinterpret_cast<HFONT>(::SendMessageW(dialog, WM_GETFONT, 0, 0)) : nullptr;
    CFont::GetLogFont(own, &font);
    font.lfHeight = height;
    font.lfCharSet = GetCharsetForLanguage();
    const std::wstring face = GetFontName();
    const size_t length = face.copy(font.lfFaceName, LF_FACESIZE - 1);
    font.lfFaceName[length] = L'\0';
    return font;
}
