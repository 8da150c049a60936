#include "engine/DeviceListRound.h"

#include "services/DeviceSnapshot.h"

namespace {

struct Round {
    int depth = 0;
    DeviceSnapshot snapshot;
    bool taken = false;
};

// Plain pointer: the outermost round of the thread owns the object.
thread_local Round* t_round = nullptr;

} // namespace

DeviceListRound::DeviceListRound()
{
    if (!t_round)
        t_round = new Round;
    ++t_round->depth;
}

DeviceListRound::~DeviceListRound()
{
    if (t_round && --t_round->depth == 0) {
        delete t_round;
        t_round = nullptr;
    }
}

const DeviceSnapshot* DeviceListRound::Current()
{
    if (!t_round)
        return nullptr;
    if (!t_round->taken)
        t_round->taken = t_round->snapshot.Take();
    return t_round->taken ? &t_round->snapshot : nullptr;
}
