#pragma once
#include "services/UserNotice.h"

class CController;
struct Logger;

// The notice of a run without a person: a message becomes an ERROR line, and
// a message that ends the program ends it with the exit code of a run that
// could not start, its result written first.
class UnattendedNotice : public UserNotice {
public:
    UnattendedNotice(CController& controller, Logger* log) : m_controller(controller), m_log(log) {}

    void Show(const std::wstring& text) override;
    void ShowAndExit(const std::wstring& text) override;

private:
    CController& m_controller;
    Logger* m_log;
};
