// The state one KorbitControl keeps between calls. Every field belongs to
// one instance: two controls never share any of it.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

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

    // Folder backup.
    VBool BackUpBusy = kFalse;
    std::int32_t BackupWorkTotal = 100;
    std::int32_t BackupWorkDone = 0;

    // Whole-tree file-location search.
    std::vector<Text> LocationResults;
    std::int32_t LocationCount = 0;

    // Words for spelling numbers, filled on first use.
    struct NumberWords {
        bool filled = false;
        std::vector<Text> ones;
        std::vector<Text> teens;
        std::vector<Text> tens;
        std::vector<Text> thousands;
    } numberWords;
};

}  // namespace korbit::control
