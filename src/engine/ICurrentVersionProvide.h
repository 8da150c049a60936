#pragma once
#include <string>

struct SetupItem;

// A presence check or version reader working on one numbered group of an
// item's catalogue keys: the presence providers of an item read the
// (n)Exist<i>... keys, its version providers the (n)Version<i>... keys, with
// n = item->ItemNo and i the 1-based position given by SetIndex. Each call
// reads the catalogue (item->CatalogPath) anew. Implementations add no
// virtual operations of their own; GetName is also the name of their logger.
class ICurrentVersionProvide {
public:
    virtual ~ICurrentVersionProvide() = default;
    // Reads the installed version; false on failure, with out left empty.
    virtual bool GetCurrentVersion(std::wstring& out) = 0;
    // Whether the item is present on this machine.
    virtual bool IsVersionExist() = 0;
    // The record stays owned by the caller (the item object's copy) and outlives the calls.
    virtual void SetItem(SetupItem* item) = 0;
    virtual void SetIndex(int index) = 0;
    virtual std::wstring GetName() = 0;
};

// Makes one provider and owns it: Create replaces (deletes) an earlier one,
// Release deletes it, and so does the factory's destructor.
class ICurrentVersionFactory {
public:
    using Product = ICurrentVersionProvide;
    virtual ~ICurrentVersionFactory() = default;
    virtual ICurrentVersionProvide* Create() = 0;
    virtual void Release() = 0;
};
