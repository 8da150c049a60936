#pragma once
#include <cstdint>

// The engine's notification of item start, end and imminent restart:
// (ItemNo, event, parameter, context). The result of event 1 is the run's result.
using NotifyCallBack = int (*)(int itemNo, int event, intptr_t param, void* context);

constexpr int EVENT_BEFORE_REBOOT = 8;
