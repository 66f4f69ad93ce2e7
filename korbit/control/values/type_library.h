// The enumerations and records the control's interface publishes.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "korbit/control/values/value.h"

namespace korbit::control {

enum IsFileResults : std::int32_t {
    FILE_IN_USE = -1,
    FILE_FREE = 0,
    FILE_DOESNT_EXIST = -999,
};

enum mceIDLPaths : std::int32_t {
    CSIDL_PROGRAMS = 2,
    CSIDL_PERSONAL = 5,
    CSIDL_FAVORITES = 6,
    CSIDL_STARTUP = 7,
    CSIDL_RECENT = 8,
    CSIDL_SENDTO = 9,
    CSIDL_BITBUCKET = 10,
    CSIDL_STARTMENU = 11,
    CSIDL_DESKTOPDIRECTORY = 16,
    CSIDL_FONTS = 20,
    CSIDL_TEMPLATES = 21,
    CSIDL_COMMON_STARTMENU = 22,
    CSIDL_COMMON_PROGRAMS = 23,
    CSIDL_COMMON_STARTUP = 24,
    CSIDL_COMMON_DESKTOPDIRECTORY = 25,
    CSIDL_APPDATA = 26,
    CSIDL_LOCAL_APPDATA = 28,
    CSIDL_ALTSTARTUP = 29,
    CSIDL_COMMON_ALTSTARTUP = 30,
    CSIDL_COMMON_FAVORITES = 31,
    CSIDL_INTERNET_CACHE = 32,
    CSIDL_COOKIES = 33,
    CSIDL_HISTORY = 34,
    CSIDL_COMMON_APPDATA = 35,
    CSIDL_WINDOWS = 36,
    CSIDL_SYSTEM = 37,
    CSIDL_PROGRAM_FILES = 38,
    CSIDL_PROGRAM_FILES_COMMON = 43,
    CSIDL_COMMON_TEMPLATES = 45,
    CSIDL_COMMON_DOCUMENTS = 46,
};

enum FileAttributes : std::int32_t {
    eFILE_ATTRIBUTE_READONLY = 1,
    eFILE_ATTRIBUTE_HIDDEN = 2,
    eFILE_ATTRIBUTE_SYSTEM = 4,
    eFILE_ATTRIBUTE_DIRECTORY = 16,
    eFILE_ATTRIBUTE_ARCHIVE = 32,
    eFILE_ATTRIBUTE_NORMAL = 128,
    eFILE_ATTRIBUTE_TEMPORARY = 256,
    eFILE_ATTRIBUTE_COMPRESSED = 2048,
};

enum MyMeasureUnits : std::int32_t {
    eTea_Spoon = 0,
    eTable_Spoon = 1,
    eOunce = 2,
    eFluid_Ounce = 3,
    eCup = 4,
    ePint = 5,
    eQuart = 6,
    eGallons = 7,
    eMicrograms = 8,
    eMilligrams = 9,
    eGrams = 10,
    eKilograms = 11,
    eMilliliters = 12,
    eLiter = 13,
};

enum ActivityLevel : std::int32_t {
    Sedentary = 1,
    Lightly_Active = 2,
    Average_Active = 3,
    Very_Active = 4,
    Professional_Athlete = 5,
};

enum MathTypes : std::int32_t {
    Math_Binary = 0,
    Math_Decimal = 1,
    Math_Hexidecimal = 2,
};

struct EnumMember {
    std::string_view name;
    std::int32_t value;
};
struct EnumInfo {
    std::string_view name;
    std::vector<EnumMember> members;
};
// Every enumeration with its members, in declared order.
const std::vector<EnumInfo>& enumerations();

struct FieldInfo {
    std::string_view name;
    VarType type;         // kArray for the array fields
    VarType elementType;  // element type of an array field
};
struct RecordInfo {
    std::string_view name;
    std::vector<FieldInfo> fields;
};
// FILE_PARAMS, FILE_PARAMS2, ARRAY_PARAMS, BACKUP_FILE_PARAMS.
const std::vector<RecordInfo>& records();
const RecordInfo* findRecord(std::string_view name) noexcept;

// A record of that type with every field at its default (0, empty text,
// False, an unallocated array).
Record makeRecord(const RecordInfo& info);

// Converts `value` into a record of type `info`: it must be a record of that
// name (case-insensitive); each field is converted to its declared type and
// fields it lacks take their defaults. Throws type mismatch otherwise.
Record coerceRecord(const Value& value, const RecordInfo& info);

}  // namespace korbit::control
