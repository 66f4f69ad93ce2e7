// The tree walk shared by the search and backup methods, and the small
// helpers both families use on their lists and records.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "korbit/control/frame/control_frame.h"

namespace korbit::services {
class PathMethods;
}

namespace korbit::utilities {

// The fields of a FILE_PARAMS record the walk reads and counts in.
struct FileSearch {
    control::VBool bRecursive = control::kFalse;
    std::int32_t bExclusiveSpecExt = 0;  // 1: keep matching names; 0: keep the others; else keep nothing
    std::int32_t nCount = 0;             // results so far: the next one goes to this index
    std::int32_t nSearched = 0;          // entries examined, "." and ".." included
    control::Text sExclusiveExtensions;  // the pattern list; empty matches no name
};

FileSearch fileSearchOf(const control::Record& FP);
void storeFileSearch(const FileSearch& search, control::Record& FP);

// Appends to `MyArray` the path of every file below `MyDir` (one separator
// added unless it ends in one) that passes the filter, descending into
// subfolders when asked, never into dot-named folders or symbolic links.
// Yields to the host between entries. Counters past 2,147,483,647 throw
// overflow.
void CollectFiles(control::ControlFrame& frame, services::PathMethods& paths, const control::Text& MyDir,
                  control::Array& MyArray, FileSearch& FP);

// Grows `list` to exactly `index` + 1 elements, keeping the others, and
// stores `value` at `index`. A list with another lower bound or more than
// one dimension throws subscript out of range.
void storeAt(control::Array& list, std::int32_t index, control::Text value);

// `n` + 1; throws overflow past 2,147,483,647.
std::int32_t plusOne(std::int32_t n);

// `path` with its leading `from` replaced by `to`; nothing when `path` does
// not start with `from`.
std::optional<control::Text> rerooted(const control::Text& path, const control::Text& from, const control::Text& to);

}  // namespace korbit::utilities
