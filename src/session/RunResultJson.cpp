#include "session/RunResultJson.h"

#include <nlohmann/json.hpp>

#include "session/RunVerdict.h"
#include "session/Utf8Text.h"

namespace {

using Json = nlohmann::ordered_json;

const wchar_t* const kTabs[] = {L"Driver", L"Utilities", L"Manual", L"Special", L"Tool"};

std::string U8(const std::wstring& text)
{
    return Utf8Text::FromWide(text);
}

Json TextOrNull(const std::wstring& text)
{
    return text.empty() ? Json(nullptr) : Json(U8(text));
}

std::wstring TextOf(const Json& node, const char* key)
{
    const auto found = node.find(key);
    return found != node.end() && found->is_string() ? Utf8Text::ToWide(found->get<std::string>()) : std::wstring();
}

bool FlagOf(const Json& node, const char* key)
{
    const auto found = node.find(key);
    return found != node.end() && found->is_boolean() && found->get<bool>();
}

template <typename T> T NumberOf(const Json& node, const char* key, T fallback)
{
    const auto found = node.find(key);
    return found != node.end() && found->is_number_integer() ? found->get<T>() : fallback;
}

Json ItemJson(const ItemResult& item)
{
    Json node;
    node["number"] = item.number;
    node["title"] = U8(item.title);
    node["tab"] = U8(RunResultJson::TabName(item.tab));
    node["selected"] = item.selected;
    node["ran"] = item.ran;
    node["exitCode"] = item.exitKnown ? Json(item.exitCode) : Json(nullptr);
    node["reason"] = TextOrNull(item.reason);
    // An item the run was not asked to install neither succeeded nor failed.
    node["succeeded"] = item.selected ? Json(!RunVerdict::ItemFailed(item)) : Json(nullptr);
    node["seconds"] = item.seconds;
    node["catalogVersion"] = U8(item.catalogVersion);
    node["installedVersionBefore"] = U8(item.installedBefore);
    node["installedVersionAfter"] = U8(item.installedAfter);
    node["statusAfter"] = U8(item.statusAfter);
    node["restartRequested"] = item.restartRequested;
    return node;
}

int TabIndexOf(const std::wstring& name)
{
    for (int tab = 0; tab < 5; ++tab) {
        if (name == kTabs[tab])
            return tab;
    }
    return -1;
}

} // namespace

namespace RunResultJson {

const wchar_t* TabName(int tab)
{
    return tab >= 0 && tab < 5 ? kTabs[tab] : L"";
}

std::string Write(const RunResult& run)
{
    Json root;
    root["discTitle"] = U8(run.discTitle);
    root["runMode"] = run.runMode;
    root["startTime"] = U8(run.startTime);
    root["endTime"] = U8(run.endTime);
    root["outcome"] = U8(RunVerdict::OutcomeName(run.outcome));
    root["exitCode"] = run.exitCode;
    root["notStartedReason"] = TextOrNull(run.notStartedReason);
    root["check"] = run.checkRan ? Json(run.checkPassed ? "SUCCESSED" : "FAILED") : Json(nullptr);
    root["restartPendingBefore"] = run.restartPendingBefore;
    root["continuationRegistered"] = run.continuationRegistered;
    Json items = Json::array();
    for (const ItemResult& item : run.items)
        items.push_back(ItemJson(item));
    root["items"] = std::move(items);
    // Whatever a title holds, the file stays valid JSON.
    return root.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

bool Read(const std::string& text, RunResult& run)
{
    const Json root = Json::parse(text, nullptr, false);
    if (root.is_discarded() || !root.is_object() || !root.contains("items") || !root["items"].is_array())
        return false;
    RunResult read;
    read.discTitle = TextOf(root, "discTitle");
    read.runMode = NumberOf<uint32_t>(root, "runMode", 0);
    read.startTime = TextOf(root, "startTime");
    read.endTime = TextOf(root, "endTime");
    read.exitCode = NumberOf<int>(root, "exitCode", RunExitCode::kNotStarted);
    read.notStartedReason = TextOf(root, "notStartedReason");
    const std::wstring outcome = TextOf(root, "outcome");
    for (RunOutcome kind : {RunOutcome::Success, RunOutcome::Failed, RunOutcome::RestartPending, RunOutcome::NotStarted}) {
        if (outcome == RunVerdict::OutcomeName(kind))
            read.outcome = kind;
    }
    const std::wstring check = TextOf(root, "check");
    read.checkRan = !check.empty();
    read.checkPassed = check == L"SUCCESSED";
    read.restartPendingBefore = FlagOf(root, "restartPendingBefore");
    read.continuationRegistered = FlagOf(root, "continuationRegistered");
    for (const Json& node : root["items"]) {
        if (!node.is_object())
            continue;
        ItemResult item;
        item.number = NumberOf<int>(node, "number", 0);
        item.title = TextOf(node, "title");
        item.tab = TabIndexOf(TextOf(node, "tab"));
        item.selected = FlagOf(node, "selected");
        item.ran = FlagOf(node, "ran");
        const auto code = node.find("exitCode");
        item.exitKnown = code != node.end() && code->is_number_integer();
        item.exitCode = item.exitKnown ? code->get<unsigned long>() : 0;
        item.reason = TextOf(node, "reason");
        item.seconds = NumberOf<long long>(node, "seconds", 0);
        item.catalogVersion = TextOf(node, "catalogVersion");
        item.installedBefore = TextOf(node, "installedVersionBefore");
        item.installedAfter = TextOf(node, "installedVersionAfter");
        item.statusAfter = TextOf(node, "statusAfter");
        item.restartRequested = FlagOf(node, "restartRequested");
        read.items.push_back(std::move(item));
    }
    run = std::move(read);
    return true;
}

} // namespace RunResultJson
