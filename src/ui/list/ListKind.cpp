#include "ui/list/ListKind.h"

ListKind ListKind::Of(int kind)
{
    ListKind k;
    switch (kind) {
    case 1:
        k = ListKind{ListKindId::ForcedManual, true, false, 17, 0, false, true};
        break;
    case 2:
        k = ListKind{ListKindId::Upper, false, true, 11, 0, true, true};
        break;
    case 3:
        k = ListKind{ListKindId::Lower, true, true, 3, -18, false, false};
        break;
    default:
        k = ListKind{ListKindId::Single, false, false, 15, 0, true, true};
        break;
    }
    return k;
}

bool ListKind::Keeps(int softwareType) const
{
    const bool manualType = softwareType == 0 || softwareType == 5;
    switch (id) {
    case ListKindId::ForcedManual:
        return true;
    case ListKindId::Lower:
        return manualType;
    default:
        return !manualType;
    }
}

int ListKind::VisibleRowAt(int y) const
{
    if (y < RowAreaTop() || y >= RowAreaBottom())
        return -1;
    return (y - RowAreaTop()) / kRowHeight;
}

bool ListKind::InHotZone(int x, bool headingOrManual)
{
    return headingOrManual ? x >= 20 && x <= 41 : x >= 30 && x <= 51;
}
