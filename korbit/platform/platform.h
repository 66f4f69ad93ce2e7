// The operating system as the control library sees it. Everything here is
// implemented with POSIX and Qt Core; nothing above this folder includes a
// system or Qt header.
#pragma once

#include "korbit/platform/drives.h"
#include "korbit/platform/file_info.h"
#include "korbit/platform/file_search.h"
#include "korbit/platform/numeric_locale.h"
#include "korbit/platform/known_folders.h"
#include "korbit/platform/text_case.h"
#include "korbit/platform/text_encoding.h"
