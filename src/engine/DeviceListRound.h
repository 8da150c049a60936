#pragma once

class DeviceSnapshot;

// A round of installed-version probes (reading the catalogue, refreshing
// every item) walks the device list once: while a round is open on a thread,
// the hardware-ID reader on that thread uses one snapshot, taken at its first
// search. Outside a round every search walks the list anew. Rounds nest; the
// outermost one holds the snapshot. Other threads are not affected.
class DeviceListRound {
public:
    DeviceListRound();
    ~DeviceListRound();
    DeviceListRound(const DeviceListRound&) = delete;
    DeviceListRound& operator=(const DeviceListRound&) = delete;

    // The open round's snapshot, taken now at its first use; null outside a
    // round or when the device list cannot be had (the next call tries again).
    static const DeviceSnapshot* Current();
};
