#pragma once

// Where an item's Selected and Doned flags are kept beside the item's own
// copy (the progress record). The item sets its copy first, then writes here.
class IItemFlagRecord {
public:
    virtual ~IItemFlagRecord() = default;
    virtual bool WriteSelected(int itemNo, int value) = 0;
    virtual bool WriteDoned(int itemNo, int value) = 0;
};
