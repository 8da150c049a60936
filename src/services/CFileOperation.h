#pragma once
#include <cstdint>
#include <functional>
#include <string>

struct Logger;

// Deletes and copies whole folder trees. Public operations never throw: they
// return false and keep the last error's text and code.
class CFileOperation {
public:
    // Answers of the read-only question, as the system's message box gives them.
    enum Answer { AnswerCancel = 2, AnswerYes = 6, AnswerNo = 7 };
    // Shows the question (text, title) and returns one of the answers.
    using AskFunction = std::function<int(const std::wstring& text, const std::wstring& title)>;

    CFileOperation();
    ~CFileOperation();
    CFileOperation(const CFileOperation&) = delete;
    CFileOperation& operator=(const CFileOperation&) = delete;

    void SetAskIfReadOnly(bool ask) { m_askIfReadOnly = ask; }
    void SetOverwrite(bool overwrite) { m_overwrite = overwrite; }
    // Replaces the message box, for callers without a desktop and for tests.
    void SetAskFunction(AskFunction ask) { m_ask = std::move(ask); }

    bool DeleteTree(const std::wstring& path);
    bool CopyTree(const std::wstring& source, const std::wstring& destination);
    std::wstring MakeUniqueCopyName(const std::wstring& path) const;
    bool CreateDirectories(const std::wstring& path);

    const std::wstring& LastErrorText() const { return m_errorText; }
    uint32_t LastErrorCode() const { return m_errorCode; }
    bool KeptFile() const { return m_keptFile; }

private:
    void DeleteEntry(const std::wstring& path);
    bool MayDelete(const std::wstring& path);
    void CopyEntry(const std::wstring& source, const std::wstring& destination);
    void CopyOneFile(const std::wstring& source, const std::wstring& target);
    void MakeDirectories(const std::wstring& path);
    int Ask(const std::wstring& text, const std::wstring& title) const;
    void Fail(const std::wstring& text, uint32_t code);

    Logger* m_logger = nullptr;
    std::wstring m_errorText;
    uint32_t m_errorCode = 0;
    bool m_askIfReadOnly = false;
    bool m_overwrite = false;
    bool m_keptFile = false;
    AskFunction m_ask;
};
