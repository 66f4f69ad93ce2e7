// The families of methods of this layer, declared, and the automation types
// their methods are declared with; the services' families they build on.
#pragma once

#include "korbit/services/families.h"

namespace korbit::utilities {

using control::Array;
using control::Date;
using control::Record;
using control::Text;
using control::Value;
using control::VBool;

class ArrayRecordMethods;
class BackupMethods;
class CalculatorMethods;
class DateFinanceMethods;
class NumberTextMethods;
class SearchMethods;

}  // namespace korbit::utilities
