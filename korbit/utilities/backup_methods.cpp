// The folder backup and mirroring methods of the control.
#include "korbit/utilities/backup_methods.h"

#include "korbit/control/values/type_library.h"
#include "korbit/platform/file_copy.h"
#include "korbit/platform/folder_walk.h"
#include "korbit/platform/text_encoding.h"
#include "korbit/services/file_operation_methods.h"
#include "korbit/services/file_time_methods.h"
#include "korbit/services/path_methods.h"
#include "korbit/utilities/file_walk.h"
#include "korbit/utilities/search_methods.h"

namespace korbit::utilities {


namespace {

Text& textField(Record& r, std::string_view name) { return r.field(name).get<Text>(); }
const Text& textField(const Record& r, std::string_view name) { return r.field(name).get<Text>(); }
std::int32_t& countField(Record& r, std::string_view name) { return r.field(name).get<std::int32_t>(); }
VBool boolField(const Record& r, std::string_view name) { return r.field(name).get<control::Boolean>().value; }
Array& listField(Record& r, std::string_view name) { return r.field(name).get<Array>(); }
void countUp(Record& r, std::string_view name) { countField(r, name) = plusOne(countField(r, name)); }

}  // namespace

// The target folder of a backup and the last folder below it found free of
// symbolic links.
struct BackupMethods::TargetTree {
    std::string root;
    std::string checkedFolder;
};

// Copies `from` to `to`, never through a symbolic link below the target's
// root; true only when the copy is complete.
bool BackupMethods::copyInto(const Text& from, const Text& to, TargetTree& tree) {
    const std::string target = platform::osPathOrEmpty(to);
    const std::string folder = platform::osPathOrEmpty(paths_.GetFilePath(to));
    if (target.empty() || (folder != tree.checkedFolder && !platform::staysInside(tree.root, folder))) {
        return false;
    }
    tree.checkedFolder = folder;
    return platform::copyRegularFile(platform::osPathOrEmpty(from), target, platform::ExistingTarget::kReplace) == 0;
}

// Step of BackUpFiles for one source file: copy it, or replace an older copy.
void BackupMethods::backUpOne(Record& params, const Text& source, const Text& destination, TargetTree& tree) {
    textField(params, "CurrentWork") = destination;
    if (paths_.DoesFileExist(destination) != control::kFalse) {
        if (times_.FileCompareModDates(source, destination) == 1) {
            files_.DestroyFileQ(destination);
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

void BackupMethods::mirrorFolders(Record& FP) {
    if (paths_.NamesNoFolder(textField(FP, "SourceFolder")) || paths_.NamesNoFolder(textField(FP, "TargetFolder"))) {
        return;
    }
    const Text source = paths_.BackSlashNeeded(textField(FP, "SourceFolder"));
    if (latches_.MirrorSourceRoot.empty()) {
        latches_.MirrorSourceRoot = source;
    }
    const Text target = paths_.BackSlashNeeded(textField(FP, "TargetFolder"));
    const auto entries = platform::listFolder(platform::osPathOrEmpty(source));
    if (!entries) {
        return;
    }
    for (const platform::FolderEntry& entry : *entries) {
        if (entry.isFolder && entry.name.front() != '.') {
            const Text path = source + platform::fromUtf8(entry.name);
            const std::int32_t at = countField(FP, "nCount");
            storeAt(listField(FP, "StrArray"), at, path);
            if (const auto copy = rerooted(path, latches_.MirrorSourceRoot, target)) {
                files_.CreateMyDIR(*copy);
            }
            countField(FP, "nCount") = plusOne(at);
            if (boolField(FP, "bRecursive") != control::kFalse && !entry.isLink) {
                textField(FP, "SourceFolder") = path + u'/';
                mirrorFolders(FP);
            }
        }
        frame_.yieldToHost();
    }
}

void BackupMethods::listMismatches(const Record& FP, Array& found, VBool deleteNow, VBool silent) {
    if (paths_.NamesNoFolder(textField(FP, "SourceFolder")) ||
        (latches_.NoMatchTargetRoot.empty() && paths_.NamesNoFolder(textField(FP, "TargetFolder")))) {
        return;  // nothing to compare with: never the root folder
    }
    Text folder;
    if (latches_.NoMatchTargetRoot.empty()) {
        folder = paths_.BackSlashNeeded(textField(FP, "TargetFolder"));
        latches_.NoMatchTargetRoot = folder;
    } else {
        folder = paths_.BackSlashNeeded(latches_.NoMatchNextFolder);
    }
    const Text source = paths_.BackSlashNeeded(textField(FP, "SourceFolder"));
    const auto entries = platform::listFolder(platform::osPathOrEmpty(folder));
    if (!entries) {
        return;
    }
    for (const platform::FolderEntry& entry : *entries) {
        if (entry.isFolder && entry.name.front() != '.') {
            const Text path = folder + platform::fromUtf8(entry.name);
            const auto counterpart = rerooted(path, latches_.NoMatchTargetRoot, source);
            if (counterpart && paths_.FolderExists(*counterpart) == control::kFalse) {
                storeAt(found, latches_.NoMatchCount, path);
                latches_.NoMatchCount = plusOne(latches_.NoMatchCount);
                if (deleteNow != control::kFalse) {
                    silent != control::kFalse ? files_.DeleteFileOrFolderSilent(path)
                                              : files_.DeleteFileOrFolderToBin(path);
                }
            }
            if (boolField(FP, "bRecursive") != control::kFalse && !entry.isLink) {
                latches_.NoMatchNextFolder = path + u'/';
                listMismatches(FP, found, deleteNow, silent);
            }
        }
        frame_.yieldToHost();
    }
}


VBool BackupMethods::BackUpFiles(Record& MyBackUpParams) {
    Record& p = MyBackUpParams;
    if (state_.BackUpBusy != control::kFalse) {
        frame_.state().CancelRequested = control::kTrue;
    } else {
        state_.BackUpBusy = control::kTrue;
    }
    state_.BackupWorkDone = 0;
    try {
        if (paths_.FolderExists(textField(p, "SourceFolder")) == control::kFalse) {
            frame_.state().CancelRequested = control::kFalse;
            state_.BackUpBusy = control::kFalse;
            listField(p, "StrArray").erase();
            return control::kFalse;
        }
        const Text target = textField(p, "TargetFolder");
        if (paths_.FolderExists(target) == control::kFalse) {
            const auto refuse = [&](const Text& text, const Text& title) {
                frame_.host().messageBox(text, control::box::kOkOnly | control::box::kCritical, title);
                state_.BackUpBusy = control::kFalse;
                return control::kFalse;
            };
            if (paths_.NamesNoFolder(target)) {
                return refuse(u"Cannot Create: " + target, u"Invalid Characters in Path Name!");
            }
            if (frame_.host().messageBox(u"Create Folder: " + target, control::box::kYesNo | control::box::kInformation,
                                         u"Create Folder?") != control::box::kYes) {
                state_.BackUpBusy = control::kFalse;
                return control::kFalse;
            }
            if (paths_.IsDriveWritable(target) == control::kFalse) {
                return refuse(u"Cannot Write to Drive: " + paths_.GetDriveLetter(target),
                              u"Cannot Write to Disk/Drive");
            }
            if (files_.CreateMyDIR(target) == control::kFalse) {
                return refuse(u"Cannot Create: " + target, u"Invalid Characters in Path Name!");
            }
        }
        const bool hasSubfolders = search_.FolderContainsSubfolders(textField(p, "SourceFolder")) != control::kFalse;
        const bool recursive = boolField(p, "bRecursive") != control::kFalse && hasSubfolders;
        const Text source = textField(p, "SourceFolder");

        FileSearch all;
        all.bRecursive = control::toVBool(recursive);
        Array& files = listField(p, "StrArray");
        CollectFiles(frame_, paths_, source, files, all);
        state_.BackupWorkTotal = all.nCount;
        if (all.nCount == 0) {
            state_.BackUpBusy = control::kFalse;
            state_.BackupWorkTotal = 100;
            return control::kFalse;
        }
        if (all.nCount > 1000 && frame_.state().CancelRequested == control::kFalse &&
            frame_.host().messageBox(u"This is a large operation! Select yes to continue.",
                                     control::box::kYesNo | control::box::kInformation,
                                     u"Would you like to continue?") != control::box::kYes) {
            listField(p, "StrArray").erase();
            state_.BackUpBusy = control::kFalse;
            state_.BackupWorkTotal = 100;
            return control::kFalse;
        }

        const bool flat = boolField(p, "ExtractToOne") != control::kFalse || !recursive;
        if (!flat) {
            Record mirror = control::makeRecord(*control::findRecord("BACKUP_FILE_PARAMS"));
            mirror.field("SourceFolder") = source;
            mirror.field("TargetFolder") = target;
            mirror.field("bRecursive") = control::Boolean{control::toVBool(recursive)};
            CreateEmptyFolderMirror(mirror);
        }
        const Text sourceRoot = paths_.BackSlashNeeded(source);
        const Text targetRoot = paths_.BackSlashNeeded(target);
        const std::vector<Value> list = listField(p, "StrArray").elements();
        TargetTree tree{platform::osPathOrEmpty(targetRoot), {}};
        for (std::size_t i = 0; i < list.size(); ++i) {
            const Text& file = list[i].get<Text>();
            countField(p, "nSearched") = static_cast<std::int32_t>(i + 1);
            const auto destination = flat ? std::optional<Text>(targetRoot + paths_.CutFilePath(file))
                                          : rerooted(file, sourceRoot, targetRoot);
            if (destination) {
                backUpOne(p, file, *destination, tree);
            }
            if (frame_.state().CancelRequested != control::kFalse) {
                break;
            }
            frame_.yieldToHost();
            ++state_.BackupWorkDone;
        }
        textField(p, "CurrentWork").clear();
        frame_.state().CancelRequested = control::kFalse;
        state_.BackUpBusy = control::kFalse;
        state_.BackupWorkDone = 0;
        listField(p, "StrArray").erase();
        return control::kTrue;
    } catch (...) {
        frame_.state().CancelRequested = control::kFalse;
        state_.BackUpBusy = control::kFalse;
        if (p.hasField("StrArray") && p.field("StrArray").holds<Array>()) {
            p.field("StrArray").get<Array>().erase();
        }
        return control::kFalse;
    }
}

std::int32_t BackupMethods::BackUpFilesProgressPercentage() const noexcept {
    if (state_.BackupWorkTotal <= 0) {
        return 0;
    }
    return static_cast<std::int32_t>(std::int64_t{state_.BackupWorkDone} * 100 / state_.BackupWorkTotal);
}

Value BackupMethods::CreateEmptyFolderMirror(Record& FP) {
    mirrorFolders(FP);
    return control::Empty{};
}

VBool BackupMethods::CompareTargetToSource(Record& MyBackUpParams, Array& ExtraFilesArray,
                                           VBool DeleteMisMatchesNow, VBool SilentDelete) {
    Record& p = MyBackUpParams;
    try {
        const Text source = textField(p, "SourceFolder");
        const Text target = textField(p, "TargetFolder");
        if (paths_.FolderExists(source) == control::kFalse || paths_.FolderExists(target) == control::kFalse) {
            listField(p, "StrArray").erase();
            return control::kFalse;
        }
        FileSearch all;
        all.bRecursive = boolField(p, "bRecursive");
        CollectFiles(frame_, paths_, target, listField(p, "StrArray"), all);
        if (all.nCount == 0) {
            return control::kFalse;
        }
        const Text sourceRoot = paths_.BackSlashNeeded(source);
        const Text targetRoot = paths_.BackSlashNeeded(target);
        const std::vector<Value> list = listField(p, "StrArray").elements();
        std::int32_t k = 0;
        for (const Value& entry : list) {
            const Text& file = entry.get<Text>();
            const auto counterpart = rerooted(file, targetRoot, sourceRoot);
            if (counterpart && paths_.DoesFileExist(*counterpart) == control::kFalse) {
                storeAt(ExtraFilesArray, k, file);
                k = plusOne(k);
                if (DeleteMisMatchesNow != control::kFalse) {
                    SilentDelete != control::kFalse ? files_.DestroyFileQ(file) : files_.DeleteFileOrFolderToBin(file);
                }
            }
            frame_.yieldToHost();
        }
        listField(p, "StrArray").erase();
        return control::toVBool(k > 0);
    } catch (...) {
        if (p.hasField("StrArray") && p.field("StrArray").holds<Array>()) {
            p.field("StrArray").get<Array>().erase();
        }
        return control::kFalse;
    }
}

Value BackupMethods::DeleteNoMatchDirectories(const Record& FP, Array& MisMathedDirArray, VBool DeleteMisMatchesNow,
                                              VBool SilentDelete) {
    listMismatches(FP, MisMathedDirArray, DeleteMisMatchesNow, SilentDelete);
    return control::Empty{};
}

void BackupMethods::BackUpFilesCLEANUP() { latches_ = Latches{}; }

}  // namespace korbit::utilities

