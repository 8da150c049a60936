#pragma once
#include <memory>
#include <string>
#include <vector>

#include "engine/CSoftwareCtl.h"

// The controller's item list: one CSoftwareCtl per catalogue item, in install order.
class SoftwareList {
public:
    using Entries = std::vector<std::unique_ptr<CSoftwareCtl>>;

    const Entries& Items() const { return m_items; }
    size_t Count() const { return m_items.size(); }
    void Append(std::unique_ptr<CSoftwareCtl> sw) { m_items.push_back(std::move(sw)); }
    void Clear() { m_items.clear(); }

    // Items marked last go to the end; both parts keep their order.
    void MoveLastInstallsToEnd();
    // Group followers and leaders of every record, from the dependency tokens.
    void LinkDependencyGroups();

    // First item with this number, or null.
    CSoftwareCtl* FindItem(int itemNo) const;
    // 1 with ForceManual; 3 when an item of the current tab has type 0 or 5; else 0.
    int GetListMode(int forceManual, int currentTab) const;
    // Whether installing the item restarts Windows (status from the cache).
    static bool RestartsWindows(CSoftwareCtl& sw);
    // Restarts the pending (selected, not done) items will cause.
    int CountRestarts() const;
    // Every item's installed version, read anew, in list order.
    void RefreshVersions();
    // The first pending item whose title contains the name (upper case) is unselected.
    void DeselectByTitle(const std::wstring& name);

private:
    Entries m_items;
};
