// Helpers of the file and folder operations of the control
// (file_operation_methods.cpp) that need no operating system.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace korbit::services {

// The title of the box that reports a failed delete or move to the trash.
inline constexpr std::u16string_view kDeleteErrorTitle = u"Error Deleting File or Folder";

// The title of boxes the control shows without a title of their own.
inline constexpr std::u16string_view kDefaultTitle = u"Korbit";

// The characters GetMyCurrentDirectory answers with, NUL padding included.
inline constexpr std::size_t kCurrentFolderBuffer = 255;

// "play" for a name ending in ".WAV", ".MP2", ".MP3", ".MID" or ".AVI" (any
// case), "open" for every other.
std::u16string verbFor(const std::u16string& FileName);

// `folder` padded with NULs to kCurrentFolderBuffer characters; a folder as
// long or longer is given whole, unpadded.
std::u16string paddedCurrentFolder(const std::u16string& folder);

}  // namespace korbit::services
