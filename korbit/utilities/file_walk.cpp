#include "korbit/utilities/file_walk.h"

#include <limits>

#include "korbit/platform/folder_walk.h"
#include "korbit/platform/text_encoding.h"
#include "korbit/services/path_methods.h"
#include "korbit/utilities/name_pattern.h"

namespace korbit::utilities {

using control::Array;
using control::AutomationError;
using control::Record;
using control::Text;

namespace {

void collect(control::ControlFrame& frame, const Text& folder, Array& list, FileSearch& fp,
             const NamePattern& pattern) {
    const auto entries = platform::listFolder(platform::osPathOrEmpty(folder));
    if (!entries) {
        return;
    }
    for (const platform::FolderEntry& entry : *entries) {
        const Text name = platform::fromUtf8(entry.name);
        if (entry.isFolder) {
            if (name.front() != u'.' && fp.bRecursive != control::kFalse && !entry.isLink) {
                collect(frame, folder + name + u'/', list, fp, pattern);
            }
        } else if ((fp.bExclusiveSpecExt == 1 || fp.bExclusiveSpecExt == 0) &&
                   (pattern.matches(name) ? 1 : 0) == fp.bExclusiveSpecExt) {
            storeAt(list, fp.nCount, folder + name);
            fp.nCount = plusOne(fp.nCount);
        }
        fp.nSearched = plusOne(fp.nSearched);
        frame.yieldToHost();
    }
}

}  // namespace

FileSearch fileSearchOf(const Record& FP) {
    return {FP.field("bRecursive").get<control::Boolean>().value, FP.field("bExclusiveSpecExt").get<std::int32_t>(),
            FP.field("nCount").get<std::int32_t>(), FP.field("nSearched").get<std::int32_t>(),
            FP.field("sExclusiveExtensions").get<Text>()};
}

void storeFileSearch(const FileSearch& search, Record& FP) {
    FP.field("nCount") = search.nCount;
    FP.field("nSearched") = search.nSearched;
}

void CollectFiles(control::ControlFrame& frame, services::PathMethods& paths, const Text& MyDir, Array& MyArray,
                  FileSearch& FP) {
    const NamePattern pattern(FP.sExclusiveExtensions);
    collect(frame, paths.BackSlashNeeded(MyDir), MyArray, FP, pattern);
}

void storeAt(Array& list, std::int32_t index, Text value) {
    if (index < 0) {
        throw AutomationError::subscriptOutOfRange();
    }
    const std::int32_t size = plusOne(index);
    if (!list.allocated()) {
        list = Array(control::VarType::kText, {{0, size}});
    } else if (list.dimensions() != 1 || list.bound(1).lower != 0) {
        throw AutomationError::subscriptOutOfRange();
    } else {
        list.redimPreserve(size);
    }
    list.at(index) = std::move(value);
}

std::int32_t plusOne(std::int32_t n) {
    if (n == std::numeric_limits<std::int32_t>::max()) {
        throw AutomationError::overflow();
    }
    return n + 1;
}

std::optional<Text> rerooted(const Text& path, const Text& from, const Text& to) {
    if (path.compare(0, from.size(), from) != 0) {
        return std::nullopt;
    }
    return to + path.substr(from.size());
}

}  // namespace korbit::utilities
