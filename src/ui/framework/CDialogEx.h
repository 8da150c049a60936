#pragma once
#include "ui/framework/CWnd.h"

// A dialog built from a template, run modally through the system's modal
// loop (DoModal) or created modeless (Create). Its messages pass through
// the virtual WindowProc, so a derived dialog can add its own protocol.
class CDialogEx : public CWnd {
public:
    explicit CDialogEx(UINT templateId, CWnd* parent = nullptr);
    // A template held in memory; it must outlive the window's creation.
    explicit CDialogEx(const DLGTEMPLATE* templ, CWnd* parent = nullptr);
    ~CDialogEx() override;

    // The EndDialog value, or -1 when the dialog could not be created.
    virtual INT_PTR DoModal();
    // Modeless; the parent given here wins over the constructor's.
    virtual bool Create(CWnd* parent = nullptr);
    // Modal: ends the loop with the result. Modeless: destroys the window.
    void EndDialog(int result);

    bool IsModal() const { return m_modal; }
    int ModalResult() const { return m_modalResult; }
    UINT TemplateId() const { return m_templateId; }

    // Colour for the dialog's background (erase and control colours).
    void SetBackgroundColor(COLORREF color);
    HBRUSH BackgroundBrush() const { return m_backgroundBrush; }

    // Strips the caption and edges that the resource compiler and the
    // system add, so that the client area is the whole window.
    void MakeBorderless();

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    virtual BOOL OnInitDialog();
    // Binds controls to objects; called from OnInitDialog.
    virtual void DoDataExchange() {}
    // True when handled.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    bool OnEraseBkgnd(HDC dc) override;
    HBRUSH OnCtlColor(HDC dc, HWND child, UINT type) override;
    virtual void OnOK();
    virtual void OnCancel();

    CWnd* m_pParentWnd = nullptr;

private:
    // The focused owner-drawn button as the dialog's default (Enter presses it), or 0.
    LRESULT FocusedOwnerDrawButton() const;
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    HWND ParentHandle() const;

    UINT m_templateId = 0;
    const DLGTEMPLATE* m_template = nullptr;
    bool m_modal = false;
    int m_modalResult = -1;
    HBRUSH m_backgroundBrush = nullptr;
};

// A modeless dialog object with its window made under the parent, or null
// when the window could not be made.
template <class T>
WindowPtr<T> CreateModeless(CWnd* parent)
{
    WindowPtr<T> dialog(new T());
    if (!dialog->Create(parent))
        dialog.reset();
    return dialog;
}
