// The folder backup and mirroring family of the control. The records are
// BACKUP_FILE_PARAMS; the walks are those of the search family
// (search_methods.h). The backup's busy flag and progress, and the roots the
// recursive mirror and mismatch methods latch on their first call, are this
// family's own (the latches kept until BackUpFilesCLEANUP); the cancel flag
// is the control's, shared with the encryption.
#pragma once

#include <cstdint>

#include "korbit/control/frame/control_frame.h"
#include "korbit/utilities/families.h"

namespace korbit::utilities {

class BackupMethods {
public:
    BackupMethods(control::ControlFrame& frame, services::PathMethods& paths, services::FileOperationMethods& files,
                  services::FileTimeMethods& times, SearchMethods& search) noexcept
        : frame_(frame), paths_(paths), files_(files), times_(times), search_(search) {}

    VBool BackUpFiles(Record& MyBackUpParams);  // True also when cancelled; copies that fail are not counted
    std::int32_t BackUpFilesProgressPercentage() const noexcept;
    Value CreateEmptyFolderMirror(Record& FP);  // Empty; latches the source root until BackUpFilesCLEANUP
    VBool CompareTargetToSource(Record& MyBackUpParams, Array& ExtraFilesArray,
                                VBool DeleteMisMatchesNow = control::kFalse,
                                VBool SilentDelete = control::kFalse);  // True when a target file has no source
    Value DeleteNoMatchDirectories(const Record& FP, Array& MisMathedDirArray, VBool DeleteMisMatchesNow = control::kFalse,
                                   VBool SilentDelete = control::kFalse);  // Empty; latches the target root
    void BackUpFilesCLEANUP();

    struct State {
        VBool BackUpBusy = control::kFalse;
        std::int32_t BackupWorkTotal = 100;
        std::int32_t BackupWorkDone = 0;
    };
    State& backupState() noexcept { return state_; }

private:
    struct TargetTree;
    bool copyInto(const Text& from, const Text& to, TargetTree& tree);
    void backUpOne(Record& params, const Text& source, const Text& destination, TargetTree& tree);
    void mirrorFolders(Record& FP);
    void listMismatches(const Record& FP, Array& found, VBool deleteNow, VBool silent);

    // Roots the recursive methods latch on their first call.
    struct Latches {
        Text MirrorSourceRoot;
        Text NoMatchTargetRoot;
        Text NoMatchNextFolder;
        std::int32_t NoMatchCount = 0;
    };

    control::ControlFrame& frame_;
    services::PathMethods& paths_;
    services::FileOperationMethods& files_;
    services::FileTimeMethods& times_;
    SearchMethods& search_;
    State state_;
    Latches latches_;
};

}  // namespace korbit::utilities
