// Creating the library's objects from a hosting program: everything a host
// needs, in one include.
#pragma once

#include "korbit/hosting/com_ptr.h"
#include "korbit/hosting/component_error.h"
#include "korbit/hosting/component_library.h"
#include "korbit/hosting/component_loader.h"
#include "korbit/hosting/dispatch_call.h"
#include "korbit/hosting/registry/guid.h"
#include "korbit/hosting/registry/registry_file.h"
