#include "korbit/control/values/type_library.h"

#include "korbit/control/values/dispatch.h"

namespace korbit::control {

const std::vector<EnumInfo>& enumerations() {
    static const std::vector<EnumInfo> all = {
        {"IsFileResults", {{"FILE_IN_USE", -1}, {"FILE_FREE", 0}, {"FILE_DOESNT_EXIST", -999}}},
        {"mceIDLPaths",
         {{"CSIDL_ALTSTARTUP", 29},      {"CSIDL_APPDATA", 26},          {"CSIDL_BITBUCKET", 10},
          {"CSIDL_COMMON_ALTSTARTUP", 30}, {"CSIDL_COMMON_APPDATA", 35}, {"CSIDL_COMMON_DESKTOPDIRECTORY", 25},
          {"CSIDL_COMMON_DOCUMENTS", 46}, {"CSIDL_COMMON_FAVORITES", 31}, {"CSIDL_COMMON_PROGRAMS", 23},
          {"CSIDL_COMMON_STARTMENU", 22}, {"CSIDL_COMMON_STARTUP", 24},  {"CSIDL_COMMON_TEMPLATES", 45},
          {"CSIDL_COOKIES", 33},          {"CSIDL_DESKTOPDIRECTORY", 16}, {"CSIDL_FAVORITES", 6},
          {"CSIDL_FONTS", 20},            {"CSIDL_HISTORY", 34},          {"CSIDL_INTERNET_CACHE", 32},
          {"CSIDL_LOCAL_APPDATA", 28},    {"CSIDL_PROGRAMS", 2},          {"CSIDL_PROGRAM_FILES", 38},
          {"CSIDL_PROGRAM_FILES_COMMON", 43}, {"CSIDL_PERSONAL", 5},      {"CSIDL_RECENT", 8},
          {"CSIDL_SENDTO", 9},            {"CSIDL_STARTUP", 7},           {"CSIDL_STARTMENU", 11},
          {"CSIDL_SYSTEM", 37},           {"CSIDL_TEMPLATES", 21},        {"CSIDL_WINDOWS", 36}}},
        {"FileAttributes",
         {{"eFILE_ATTRIBUTE_READONLY", 1}, {"eFILE_ATTRIBUTE_HIDDEN", 2}, {"eFILE_ATTRIBUTE_SYSTEM", 4},
          {"eFILE_ATTRIBUTE_DIRECTORY", 16}, {"eFILE_ATTRIBUTE_ARCHIVE", 32}, {"eFILE_ATTRIBUTE_NORMAL", 128},
          {"eFILE_ATTRIBUTE_TEMPORARY", 256}, {"eFILE_ATTRIBUTE_COMPRESSED", 2048}}},
        {"MyMeasureUnits",
         {{"eTea_Spoon", 0}, {"eTable_Spoon", 1}, {"eOunce", 2}, {"eFluid_Ounce", 3}, {"eCup", 4}, {"ePint", 5},
          {"eQuart", 6}, {"eGallons", 7}, {"eMicrograms", 8}, {"eMilligrams", 9}, {"eGrams", 10},
          {"eKilograms", 11}, {"eMilliliters", 12}, {"eLiter", 13}}},
        {"ActivityLevel",
         {{"Sedentary", 1}, {"Lightly_Active", 2}, {"Average_Active", 3}, {"Very_Active", 4},
          {"Professional_Athlete", 5}}},
        {"MathTypes", {{"Math_Binary", 0}, {"Math_Decimal", 1}, {"Math_Hexidecimal", 2}}},
    };
    return all;
}

const std::vector<RecordInfo>& records() {
    using V = VarType;
    static const std::vector<FieldInfo> fileParams = {{"bRecursive", V::kBool, V::kEmpty},
                                                      {"bExclusiveSpecExt", V::kInt32, V::kEmpty},
                                                      {"nCount", V::kInt32, V::kEmpty},
                                                      {"nSearched", V::kInt32, V::kEmpty},
                                                      {"sExclusiveExtensions", V::kText, V::kEmpty}};
    static const std::vector<RecordInfo> all = {
        {"FILE_PARAMS", fileParams},
        {"FILE_PARAMS2", fileParams},
        {"ARRAY_PARAMS",
         {{"sMyArray", V::kArray, V::kVariant},
          {"sMyFile", V::kText, V::kEmpty},
          {"nRecordCount", V::kInt32, V::kEmpty},
          {"nSecDimension", V::kInt32, V::kEmpty}}},
        {"BACKUP_FILE_PARAMS",
         {{"StrArray", V::kArray, V::kText},
          {"SourceFolder", V::kText, V::kEmpty},
          {"TargetFolder", V::kText, V::kEmpty},
          {"bRecursive", V::kBool, V::kEmpty},
          {"nCount", V::kInt32, V::kEmpty},
          {"nSearched", V::kInt32, V::kEmpty},
          {"ExtractToOne", V::kBool, V::kEmpty},
          {"CurrentWork", V::kText, V::kEmpty},
          {"nCopied", V::kInt32, V::kEmpty},
          {"nUpdated", V::kInt32, V::kEmpty}}},
    };
    return all;
}

const RecordInfo* findRecord(std::string_view name) noexcept {
    for (const RecordInfo& info : records()) {
        if (equalsIgnoreCase(info.name, name)) {
            return &info;
        }
    }
    return nullptr;
}

namespace {

Value defaultField(const FieldInfo& field) {
    switch (field.type) {
        case VarType::kBool: return Boolean{};
        case VarType::kInt32: return std::int32_t{0};
        case VarType::kText: return Text();
        case VarType::kArray: return Array(field.elementType);
        default: return Empty{};
    }
}

Value coerceField(const Value& value, const FieldInfo& field) {
    switch (field.type) {
        case VarType::kBool: return coerce(value, ParamType::kBool);
        case VarType::kInt32: return coerce(value, ParamType::kInt32);
        case VarType::kText: return coerce(value, ParamType::kText);
        case VarType::kArray:
            return coerce(value, field.elementType == VarType::kText ? ParamType::kTextArray : ParamType::kVariantArray);
        default: return value;
    }
}

}  // namespace

Record makeRecord(const RecordInfo& info) {
    std::vector<std::pair<std::string, Value>> fields;
    for (const FieldInfo& field : info.fields) {
        fields.emplace_back(std::string(field.name), defaultField(field));
    }
    return Record(std::string(info.name), std::move(fields));
}

Record coerceRecord(const Value& value, const RecordInfo& info) {
    if (!value.holds<Record>() || !equalsIgnoreCase(value.get<Record>().typeName(), info.name)) {
        throw AutomationError::typeMismatch();
    }
    const Record& given = value.get<Record>();
    Record out = makeRecord(info);
    for (std::size_t i = 0; i < info.fields.size(); ++i) {
        if (given.hasField(info.fields[i].name)) {
            out.fields()[i].second = coerceField(given.field(info.fields[i].name), info.fields[i]);
        }
    }
    return out;
}

}  // namespace korbit::control
