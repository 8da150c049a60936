#pragma once
#include <string>
#include <vector>

// Decisions of the install session that need no system call.
namespace SessionRules {

// Which browser offers a selection holds, from the titles of its selected,
// unfinished items: 1 "CHROME", 2 "TOOLBAR", 3 both, 0 neither.
int OfferKind(const std::vector<std::wstring>& titles);

// The question before a run that restarts Windows n times; the number
// follows the (translated) colon directly.
std::wstring RestartQuestion(const std::wstring& countText, int restarts, const std::wstring& installNow);

} // namespace SessionRules
