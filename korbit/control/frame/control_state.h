// The state that the control's families share between calls: the busy and
// cancel flags, the progress of a run and its last message. What one family
// alone keeps (the backup's progress, the whole-tree search's results, the
// words of numbers) is that family's own. Every field belongs to one
// instance: two controls never share any of it.
#pragma once

#include <cstdint>

#include "korbit/control/values/value.h"

namespace korbit::control {

struct ControlState {
    // Encryption routines.
    VBool CancelRequested = kFalse;
    VBool OperationBusy = kFalse;
    // 64-bit so that files beyond 64 GiB of blocks cannot overflow them.
    std::int64_t TotalBlocks = 100;
    std::int64_t BlocksDone = 0;
    Text LastMessage;
};

}  // namespace korbit::control
