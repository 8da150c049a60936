#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "config/EulaEntry.h"
#include "ui/CPopupDlg.h"
#include "ui/skin/CxSkinButton.h"
#include "ui/skin/SkinImages.h"
#include "ui/offers/OfferEulaLayout.h"

// The offers' licence question before an install run: the offer's picture,
// texts with two licence links, one tick box per offer and Yes, No and Back.
// Result 1 lets the run go on (with unticked offers taken out of it in the
// kind with both offers), 2 cancels it. Kinds: 1 browser, 2 toolbar, 3 both.
class CGoogleEulaDlg : public CPopupDlg {
public:
    explicit CGoogleEulaDlg(int offerKind, CWnd* parent = nullptr);
    ~CGoogleEulaDlg() override;

    // Where LayoutCfg.ini lies; the program's own folder unless set.
    void SetProgramFolder(const std::wstring& folder) { m_programFolder = folder; }
    const std::vector<OfferEulaLayout::Box>& LinkRects() const { return m_layout.links; }

    enum : int { kBackButton = 2100, kFirstBox = 2101, kSecondBox = 2102 };

    static constexpr const wchar_t* kBrowserPrivacyPage = L"https://www.google.com/chrome/privacy/";
    static constexpr const wchar_t* kGooglePrivacyPage = L"https://policies.google.com/privacy";
    static constexpr const wchar_t* kToolbarHelpPage = L"https://support.google.com/toolbar/";
    // The offers' names in item paths and licence names.
    static constexpr const wchar_t* kChromeOffer = L"CHROME";
    static constexpr const wchar_t* kToolbarOffer = L"TOOLBAR";

protected:
    void GetPopupSize(int& width, int& height) override;
    void LoadExtraImages() override;
    void SetupExtraControls() override;
    void PaintExtra(HDC dc) override;
    void AfterLayout() override;
    void ExtraCtlColor(HDC dc, int id, HBRUSH& brush) override;
    void OnPopupMouseMove(UINT keys, int x, int y) override;
    void OnPopupButtonDown(UINT keys, int x, int y) override;
    void OnPopupCommand(int id) override;

private:
    void CreateBackButton();
    HWND CreateBox(int id);
    void CreateTexts();
    LOGFONTW TextFont(const OfferEulaLayout::Style& style) const;
    bool Ticked(HWND box) const;
    // The first offer licence named after the offer (upper case).
    void OpenLicence(const wchar_t* offer) const;
    const OfferEulaLayout::Piece* PieceOf(int id) const;

    ScopedLogger m_log{L"CGoogleEulaDlg"};
    int m_offerKind;
    std::wstring m_programFolder;
    CContourBitmap m_picture;
    CBitmap m_picturePlain;
    CxSkinButton m_back{this};
    HWND m_firstBox = nullptr;
    HWND m_secondBox = nullptr;
    OfferEulaLayout::Layout m_layout;
    // One font per piece, in the pieces' order.
    std::vector<std::unique_ptr<CFont>> m_fonts;
    std::vector<EulaEntry> m_offerLicences;
};
