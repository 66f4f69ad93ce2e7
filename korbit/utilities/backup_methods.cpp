// The folder backup and mirroring methods of the control and their bindings.
#include "korbit/control/bindings.h"
#include "korbit/control/type_library.h"
#include "korbit/platform/file_copy.h"
#include "korbit/platform/folder_walk.h"
#include "korbit/platform/text_encoding.h"
#include "korbit/services/path_helpers.h"
#include "korbit/utilities/file_walk.h"

namespace korbit::utilities {

using control::Array;
using control::KorbitControl;
using control::Record;
using control::Text;
using control::VBool;

namespace {

// Roots the recursive methods latch on their first call, one set per thread,
// until BackUpFilesCLEANUP.
struct Latches {
    Text MirrorSourceRoot;
    Text NoMatchTargetRoot;
    Text NoMatchNextFolder;
    std::int32_t NoMatchCount = 0;
};
thread_local Latches latches;

Text& textField(Record& r, std::string_view name) { return r.field(name).get<Text>(); }
std::int32_t& countField(Record& r, std::string_view name) { return r.field(name).get<std::int32_t>(); }
VBool boolField(Record& r, std::string_view name) { return r.field(name).get<control::Boolean>().value; }
Array& listField(Record& r, std::string_view name) { return r.field(name).get<Array>(); }
void countUp(Record& r, std::string_view name) { countField(r, name) = plusOne(countField(r, name)); }

// The target folder of a backup and the last folder below it found free of
// symbolic links.
struct TargetTree {
    std::string root;
    std::string checkedFolder;
};

// Copies `from` to `to`, never through a symbolic link below the target's
// root; true only when the copy is complete.
bool copyInto(const Text& from, const Text& to, TargetTree& tree) {
    const std::string target = systemPath(to);
    const std::string folder = systemPath(services::GetFilePath(to));
    if (target.empty() || (folder != tree.checkedFolder && !platform::staysInside(tree.root, folder))) {
        return false;
    }
    tree.checkedFolder = folder;
    return platform::copyRegularFile(systemPath(from), target, platform::ExistingTarget::kReplace) == 0;
}

// Step of BackUpFiles for one source file: copy it, or replace an older copy.
void backUpOne(KorbitControl& self, Record& params, const Text& source, const Text& destination, TargetTree& tree) {
    textField(params, "CurrentWork") = destination;
    if (self.DoesFileExist(destination) != control::kFalse) {
        if (self.FileCompareModDates(source, destination) == 1) {
            self.DestroyFileQ(destination);
            if (copyInto(source, destination, tree)) {
                countUp(params, "nCount");
                countUp(params, "nUpdated");
            }
        }
    } else if (copyInto(source, destination, tree)) {
        countUp(params, "nCount");
        countUp(params, "nCopied");
    }
}

void mirrorFolders(KorbitControl& self, Record& FP) {
    const Text source = services::BackSlashNeeded(textField(FP, "SourceFolder"));
    if (latches.MirrorSourceRoot.empty()) {
        latches.MirrorSourceRoot = source;
    }
    const Text target = services::BackSlashNeeded(textField(FP, "TargetFolder"));
    const auto entries = platform::listFolder(systemPath(source));
    if (!entries) {
        return;
    }
    for (const platform::FolderEntry& entry : *entries) {
        if (entry.isFolder && entry.name.front() != '.') {
            const Text path = source + platform::fromUtf8(entry.name);
            const std::int32_t at = countField(FP, "nCount");
            storeAt(listField(FP, "StrArray"), at, path);
            if (const auto copy = rerooted(path, latches.MirrorSourceRoot, target)) {
                self.CreateMyDIR(*copy);
            }
            countField(FP, "nCount") = plusOne(at);
            if (boolField(FP, "bRecursive") != control::kFalse && !entry.isLink) {
                textField(FP, "SourceFolder") = path + u'/';
                mirrorFolders(self, FP);
            }
        }
        self.host().pumpEvents();
    }
}

void listMismatches(KorbitControl& self, Record& FP, Array& found, VBool deleteNow, VBool silent) {
    Text folder;
    if (latches.NoMatchTargetRoot.empty()) {
        folder = services::BackSlashNeeded(textField(FP, "TargetFolder"));
        latches.NoMatchTargetRoot = folder;
    } else {
        folder = services::BackSlashNeeded(latches.NoMatchNextFolder);
    }
    const Text source = services::BackSlashNeeded(textField(FP, "SourceFolder"));
    const auto entries = platform::listFolder(systemPath(folder));
    if (!entries) {
        return;
    }
    for (const platform::FolderEntry& entry : *entries) {
        if (entry.isFolder && entry.name.front() != '.') {
            const Text path = folder + platform::fromUtf8(entry.name);
            const auto counterpart = rerooted(path, latches.NoMatchTargetRoot, source);
            if (counterpart && self.FolderExists(*counterpart) == control::kFalse) {
                storeAt(found, latches.NoMatchCount, path);
                latches.NoMatchCount = plusOne(latches.NoMatchCount);
                if (deleteNow != control::kFalse) {
                    silent != control::kFalse ? self.DeleteFileOrFolderSilent(path)
                                              : self.DeleteFileOrFolderToBin(path);
                }
            }
            if (boolField(FP, "bRecursive") != control::kFalse && !entry.isLink) {
                latches.NoMatchNextFolder = path + u'/';
                listMismatches(self, FP, found, deleteNow, silent);
            }
        }
        self.host().pumpEvents();
    }
}

}  // namespace

}  // namespace korbit::utilities

namespace korbit::control {

using namespace utilities;

VBool KorbitControl::BackUpFiles(Record& MyBackUpParams) {
    Record& p = MyBackUpParams;
    if (state_.BackUpBusy != kFalse) {
        state_.CancelRequested = kTrue;
    } else {
        state_.BackUpBusy = kTrue;
    }
    state_.BackupWorkDone = 0;
    try {
        if (FolderExists(textField(p, "SourceFolder")) == kFalse) {
            state_.CancelRequested = kFalse;
            state_.BackUpBusy = kFalse;
            listField(p, "StrArray").erase();
            return kFalse;
        }
        const Text target = textField(p, "TargetFolder");
        if (FolderExists(target) == kFalse) {
            const auto refuse = [&](const Text& text, const Text& title) {
                host().messageBox(text, box::kOkOnly | box::kCritical, title);
                state_.BackUpBusy = kFalse;
                return kFalse;
            };
            if (host().messageBox(u"Create Folder: " + target, box::kYesNo | box::kInformation, u"Create Folder?") !=
                box::kYes) {
                state_.BackUpBusy = kFalse;
                return kFalse;
            }
            if (IsDriveWritable(target) == kFalse) {
                return refuse(u"Cannot Write to Drive: " + GetDriveLetter(target), u"Cannot Write to Disk/Drive");
            }
            if (CreateMyDIR(target) == kFalse) {
                return refuse(u"Cannot Create: " + target, u"Invalid Characters in Path Name!");
            }
        }
        const bool hasSubfolders = FolderContainsSubfolders(textField(p, "SourceFolder")) != kFalse;
        const bool recursive = boolField(p, "bRecursive") != kFalse && hasSubfolders;
        const Text source = textField(p, "SourceFolder");

        FileSearch all;
        all.bRecursive = toVBool(recursive);
        Array& files = listField(p, "StrArray");
        CollectFiles(*this, source, files, all);
        state_.BackupWorkTotal = all.nCount;
        if (all.nCount == 0) {
            state_.BackUpBusy = kFalse;
            state_.BackupWorkTotal = 100;
            return kFalse;
        }
        if (all.nCount > 1000 && state_.CancelRequested == kFalse &&
            host().messageBox(u"This is a large operation! Select yes to continue.", box::kYesNo | box::kInformation,
                              u"Would you like to continue?") != box::kYes) {
            listField(p, "StrArray").erase();
            state_.BackUpBusy = kFalse;
            state_.BackupWorkTotal = 100;
            return kFalse;
        }

        const bool flat = boolField(p, "ExtractToOne") != kFalse || !recursive;
        if (!flat) {
            Record mirror = makeRecord(*findRecord("BACKUP_FILE_PARAMS"));
            mirror.field("SourceFolder") = source;
            mirror.field("TargetFolder") = target;
            mirror.field("bRecursive") = Boolean{toVBool(recursive)};
            CreateEmptyFolderMirror(mirror);
        }
        const Text sourceRoot = BackSlashNeeded(source);
        const Text targetRoot = BackSlashNeeded(target);
        const std::vector<Value> list = listField(p, "StrArray").elements();
        TargetTree tree{systemPath(targetRoot), {}};
        for (std::size_t i = 0; i < list.size(); ++i) {
            const Text& file = list[i].get<Text>();
            countField(p, "nSearched") = static_cast<std::int32_t>(i + 1);
            const auto destination = flat ? std::optional<Text>(targetRoot + CutFilePath(file))
                                          : rerooted(file, sourceRoot, targetRoot);
            if (destination) {
                backUpOne(*this, p, file, *destination, tree);
            }
            if (state_.CancelRequested != kFalse) {
                break;
            }
            host().pumpEvents();
            ++state_.BackupWorkDone;
        }
        textField(p, "CurrentWork").clear();
        state_.CancelRequested = kFalse;
        state_.BackUpBusy = kFalse;
        state_.BackupWorkDone = 0;
        listField(p, "StrArray").erase();
        return kTrue;
    } catch (...) {
        state_.CancelRequested = kFalse;
        state_.BackUpBusy = kFalse;
        if (p.hasField("StrArray") && p.field("StrArray").holds<Array>()) {
            p.field("StrArray").get<Array>().erase();
        }
        return kFalse;
    }
}

std::int32_t KorbitControl::BackUpFilesProgressPercentage() const noexcept {
    if (state_.BackupWorkTotal <= 0) {
        return 0;
    }
    return static_cast<std::int32_t>(std::int64_t{state_.BackupWorkDone} * 100 / state_.BackupWorkTotal);
}

Value KorbitControl::CreateEmptyFolderMirror(Record& FP) {
    mirrorFolders(*this, FP);
    return Empty{};
}

VBool KorbitControl::CompareTargetToSource(Record& MyBackUpParams, Array& ExtraFilesArray,
                                           VBool DeleteMisMatchesNow, VBool SilentDelete) {
    Record& p = MyBackUpParams;
    try {
        const Text source = textField(p, "SourceFolder");
        const Text target = textField(p, "TargetFolder");
        if (FolderExists(source) == kFalse || FolderExists(target) == kFalse) {
            listField(p, "StrArray").erase();
            return kFalse;
        }
        FileSearch all;
        all.bRecursive = boolField(p, "bRecursive");
        CollectFiles(*this, target, listField(p, "StrArray"), all);
        if (all.nCount == 0) {
            return kFalse;
        }
        const Text sourceRoot = BackSlashNeeded(source);
        const Text targetRoot = BackSlashNeeded(target);
        const std::vector<Value> list = listField(p, "StrArray").elements();
        std::int32_t k = 0;
        for (const Value& entry : list) {
            const Text& file = entry.get<Text>();
            const auto counterpart = rerooted(file, targetRoot, sourceRoot);
            if (counterpart && DoesFileExist(*counterpart) == kFalse) {
                storeAt(ExtraFilesArray, k, file);
                k = plusOne(k);
                if (DeleteMisMatchesNow != kFalse) {
                    SilentDelete != kFalse ? DestroyFileQ(file) : DeleteFileOrFolderToBin(file);
                }
            }
            host().pumpEvents();
        }
        listField(p, "StrArray").erase();
        return toVBool(k > 0);
    } catch (...) {
        if (p.hasField("StrArray") && p.field("StrArray").holds<Array>()) {
            p.field("StrArray").get<Array>().erase();
        }
        return kFalse;
    }
}

Value KorbitControl::DeleteNoMatchDirectories(Record& FP, Array& MisMathedDirArray, VBool DeleteMisMatchesNow,
                                              VBool SilentDelete) {
    listMismatches(*this, FP, MisMathedDirArray, DeleteMisMatchesNow, SilentDelete);
    return Empty{};
}

void KorbitControl::BackUpFilesCLEANUP() { latches = Latches{}; }

}  // namespace korbit::control

namespace korbit::utilities {

namespace {

using control::DispatchObject;
using control::Value;

VBool flag(const Value& v) { return v.get<control::Boolean>().value; }

Value backUpFiles(DispatchObject& object, std::span<Value> args) {
    return control::Boolean{controlOf(object).BackUpFiles(args[0].get<Record>())};
}

Value progress(DispatchObject& object, std::span<Value>) { return controlOf(object).BackUpFilesProgressPercentage(); }

Value mirror(DispatchObject& object, std::span<Value> args) {
    return controlOf(object).CreateEmptyFolderMirror(args[0].get<Record>());
}

Value compare(DispatchObject& object, std::span<Value> args) {
    return control::Boolean{controlOf(object).CompareTargetToSource(args[0].get<Record>(), args[1].get<Array>(),
                                                               flag(args[2]), flag(args[3]))};
}

Value noMatch(DispatchObject& object, std::span<Value> args) {
    return controlOf(object).DeleteNoMatchDirectories(args[0].get<Record>(), args[1].get<Array>(), flag(args[2]),
                                                 flag(args[3]));
}

Value cleanup(DispatchObject& object, std::span<Value>) {
    controlOf(object).BackUpFilesCLEANUP();
    return {};
}

}  // namespace

void bindBackupMethods(control::InterfaceInfo& info) {
    info.bind("BackUpFiles", &backUpFiles);
    info.bind("BackUpFilesProgressPercentage", &progress);
    info.bind("CreateEmptyFolderMirror", &mirror);
    info.bind("CompareTargetToSource", &compare);
    info.bind("DeleteNoMatchDirectories", &noMatch);
    info.bind("BackUpFilesCLEANUP", &cleanup);
}

}  // namespace korbit::utilities
