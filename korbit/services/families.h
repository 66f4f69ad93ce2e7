// The families of methods of this layer, declared, and the automation types
// their methods are declared with. A family's header includes this; so does
// a family of a higher layer that builds on one of these.
#pragma once

#include "korbit/control/values/value.h"

namespace korbit::services {

using control::Array;
using control::Date;
using control::Record;
using control::Text;
using control::Value;
using control::VBool;

class EncryptionMethods;
class FileOperationMethods;
class FileTimeMethods;
class PathMethods;
class SettingsMethods;

}  // namespace korbit::services
