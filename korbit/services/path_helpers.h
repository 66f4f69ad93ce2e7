// Path and file-name helpers of the control: take paths apart, test files,
// folders and drives, find the special folders and describe file sizes.
//
// "/" is the folder separator; "\" is accepted as one too, so that
// Windows-style paths from hosts are taken apart the same way. Booleans are
// automation Booleans: True = -1, False = 0.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace korbit::services {

// Longest text the scanning helpers (GetFileExt, CutFileExt, GetFilePath,
// CutFilePath) accept; a longer one fails with AutomationError::overflow().
inline constexpr std::size_t kMaxScannedLength = 32767;

// The text of the message box a caller shows when GetSpecialFolderA asks for one.
inline constexpr std::u16string_view kSpecialFolderMessage = u"GetSpecialFolderA";

// "X:" for a text that starts with a drive letter and a colon; for an
// absolute path the mount point of the file system that holds it ("/",
// "/media/disc"); otherwise the first two characters, a shorter text whole.
std::u16string GetDriveLetter(const std::u16string& MyFile);

// The lower-case text after the last "." of the file name (the part after the
// last separator), cut at its first NUL; empty when the name has no "." or
// ends with it. Throws AutomationError::overflow() for over-long text.
std::u16string GetFileExt(const std::u16string& MyFile);

// `MyFile` without the last "." of its file name and what follows it;
// unchanged when the name has no ".". Throws AutomationError::overflow().
std::u16string CutFileExt(const std::u16string& MyFile);

// `MyFile` up to and including its last separator; empty when it has none
// or its only one is a leading "\" ("/x" gives "/", the root folder).
// Throws AutomationError::overflow().
std::u16string GetFilePath(const std::u16string& MyFile);

// The text after the last separator; `MyFile` unchanged when it has none.
// Throws AutomationError::overflow().
std::u16string CutFilePath(const std::u16string& MyFile);

// `sPath` with "/" appended unless it already ends with "/" or "\"; an empty
// text gives "/".
std::u16string BackSlashNeeded(const std::u16string& sPath);

// `startstr` up to, not including, its first NUL; all of it when it has none.
std::u16string TrimNull(const std::u16string& startstr);

// The last folder of `MyDir` with its leading separator, one trailing
// separator removed first ("/a/b/" and "/a/b" give "/b"); empty when no other
// separator is left.
std::u16string ExtractLastFolderInDir(const std::u16string& MyDir);

// "....." followed by what ExtractLastFolderInDir gives; `MyDir` unchanged
// when that is empty.
std::u16string CompactDirectoryString(const std::u16string& MyDir);

// True when a find-first search for `sSource` finds an entry: a file, a
// folder, or for a wildcard pattern ("*", "?" in its last part) any matching
// entry of its folder, "." and ".." included. False otherwise, also for a text
// holding a NUL.
std::int16_t FileExistQ(const std::u16string& sSource);

// True when `strFile` is an entry other than a folder whose length can be
// read (an empty file counts, and so does a file of any size); False otherwise.
std::int16_t DoesFileExist(const std::u16string& strFile);

// True when `sFolder`, with surrounding blanks and one trailing separator
// removed, names a folder; False otherwise.
std::int16_t FolderExists(const std::u16string& sFolder);

// True when the file system holding `MyFile` (relative paths taken against
// the current folder) can be written; False for read-only mounts, CD and DVD
// file systems, a path on no known mount and a "X:" drive, which names
// nothing here. Nothing is written to find out.
std::int16_t IsDriveWritable(const std::u16string& MyFile);

// The special folder `eSpecialFolder` (an mceIDLPaths value) with exactly one
// "/" appended. Empty when the id has no counterpart here or the folder is
// missing; nothing is ever created. `messageBoxDue` is set when nothing
// could be found out at all (no home folder): the caller then shows
// kSpecialFolderMessage with an OK button. The result is empty then.
std::u16string GetSpecialFolderA(std::int32_t eSpecialFolder, bool& messageBoxDue);

// The application-data folder (what GetSpecialFolderA gives for 26), with
// its missing parents created first, each for the user alone (mode 0700).
// Empty when it cannot be found or made.
std::u16string ApplicationDataFolderMade();

// The description of the file's type ("plain text document", "folder");
// empty when the file does not exist; "File Type Error" when the path cannot
// be asked about (it holds a NUL) or the lookup fails.
std::u16string GetFileType(const std::u16string& MyFile);

// The name a file manager shows for the file or folder; empty when it does
// not exist; "File Name Error" when the path holds a NUL or the lookup fails.
std::u16string GetFileName(const std::u16string& MyFile);

// The size in bytes of the file, which must be readable; -1 when it cannot
// be opened (missing, a folder, no permission).
double GetMyFileSizeBytes(const std::u16string& MyFile);

// The size of the file as SetBytes writes it, from its true byte count;
// "-1 Bytes" when it cannot be opened.
std::u16string GetMyFileSize(const std::u16string& MyFile);

// `mBytes` in the largest binary unit it reaches: "<n> Bytes" below 1,024
// (negative counts included), else "#0.00" with the locale's decimal mark and
// " KB", " MB" or " GB" (1 KB = 1,024 bytes).
std::u16string SetBytes(std::int32_t mBytes);

}  // namespace korbit::services
