// KorbitControl: the control object. It carries the encryption engine and
// the library of services; hosts call it late-bound through its interface
// (interfaceInfo(), invoke()) or, from C++, through the typed methods below.
#pragma once

#include <cstdint>
#include <memory>

#include "korbit/control/control_state.h"
#include "korbit/control/dispatch.h"
#include "korbit/control/host.h"
#include "korbit/engine/random_fraction.h"

namespace korbit::control {

// The control's interface, every method of it; the members whose family is
// built carry their implementation.
const InterfaceInfo& korbitControlInterface();

class KorbitControl final : public DispatchObject {
public:
    // The control's face is always this size, whatever the host asks.
    static constexpr std::int32_t kWidthTwips = 1980;
    static constexpr std::int32_t kHeightTwips = 450;

    // `host` may be null: boxes then go to standard error with their safe
    // answer. The host must outlive the control or be withdrawn first.
    explicit KorbitControl(Host* host = nullptr);

    const InterfaceInfo& interfaceInfo() const noexcept override { return korbitControlInterface(); }

    Host& host() noexcept { return host_ != nullptr ? *host_ : headlessHost(); }
    void setHost(Host* host) noexcept { host_ = host; }

    ControlState& state() noexcept { return state_; }
    const ControlState& state() const noexcept { return state_; }

    // The instance's random sequence: single-precision fractions in [0, 1),
    // seeded from the clock when the control was created. Every random draw
    // of every method comes from it.
    float nextRandom() noexcept { return random_.next(); }
    engine::FractionGenerator& randomGenerator() noexcept { return random_; }

    // The host sizing the control: the size snaps back.
    void resize(std::int32_t widthTwips, std::int32_t heightTwips) noexcept;
    std::int32_t widthTwips() const noexcept { return width_; }
    std::int32_t heightTwips() const noexcept { return height_; }

    // ---- Typed methods, one block per family (see korbit/services,
    // korbit/utilities). Booleans are VBool: True = -1, False = 0.

    // Paths and file names (services/path_methods.cpp).
    Text ExtractLastFolderInDir(const Text& MyDir);
    Text CompactDirectoryString(const Text& MyDir);
    Text GetFileType(const Text& MyFile);
    Text GetFileName(const Text& MyFile);
    VBool DoesFileExist(const Text& strFile);
    Text GetDriveLetter(const Text& MyFile);
    VBool IsDriveWritable(const Text& MyFile);
    Text GetFileExt(const Text& MyFile);
    Text CutFileExt(const Text& MyFile);
    Text GetMyFileSize(const Text& MyFile);
    double GetMyFileSizeBytes(const Text& MyFile);
    Text SetBytes(std::int32_t mBytes);
    Text GetSpecialFolderA(std::int32_t eSpecialFolder);  // shows "GetSpecialFolderA" when nothing can be found
    VBool FileExistQ(const Text& sSource);
    Text GetFilePath(const Text& MyFile);
    VBool FolderExists(const Text& sFolder);
    Text CutFilePath(const Text& MyFile);
    Text BackSlashNeeded(const Text& sPath);
    Text TrimNull(const Text& startstr);

    // Encryption (services/encryption_methods.cpp, services/first_generation_methods.cpp).
    VBool EncryptionRoutine2(const Text& InFileName, const Text& MyPassword,
                             const Text& MyApplicationName = u"Velmora Software");
    VBool IsFileEncrypted2(const Text& FileNameSTR);  // throws AutomationError when the file cannot be read
    std::int16_t EncryptionProgressPercentage() const noexcept;
    void CancelOps() noexcept { state_.CancelRequested = kTrue; }
    Text GetEncryptRoutineMessage() const { return state_.LastMessage; }
    void EncryptionRoutine(const Text& InFileName, const Text& MyPassword, VBool SuppressMSGBOX = kFalse);
    VBool IsFileEncrypted(const Text& FileNameSTR) const;

    // Settings files (services/settings_methods.cpp). Writes fail silently.
    Text ProfileGetItem(const Text& sSection, const Text& sKeyName, const Text& sIniFile);
    void ProfileSaveItem(const Text& sSection, const Text& sKeyName, const Text& sValue, const Text& sIniFile);
    void ProfileDeleteItem(const Text& sSection, const Text& sKeyName, const Text& sIniFile);
    void ProfileDeleteSection(const Text& sSection, const Text& sIniFile);
    Text ProfileGetSection(const Text& lpSectionName, const Text& IniFile, Array& ArrayINI);  // NUL-joined key names
    VBool IsArrayGood(const Value& AnyArray);

    // File and folder operations (services/file_operation_methods.cpp). The
    // Boolean ones answer True only when what was asked for happened, and
    // False, with everything as it was, when the system refused it.
    void FreezeControl(std::int32_t CtrlHWND, VBool FreezeMe);
    VBool IsProcedureAvailable(const Text& ProcedureName, const Text& DllFilename);
    void DisplayFileIcon(const Text& MyFile, std::int32_t PictureBoxHDC, VBool SelectedIcon = kFalse,
                         std::int32_t ICON32or16 = 32);
    VBool BrowserLaunch(const Text& WebSite);  // False when the desktop's opener could not be started
    VBool CreateMyFile(const Text& MyFile);
    Text File2String(const Text& MyTxtFile);
    Text GetThreadUserName();
    Text GetLocalComputerName();
    VBool IsFileOpen(const Text& strFullPathFileName);  // creates a missing file
    std::int32_t IsFileInUseQ(const Text& sFile);       // an IsFileResults value
    void StartRunOpenFile(const Text& FileName, std::int32_t FormHWND);
    Text GetMyCurrentDirectory();  // NUL-padded to 255 characters
    VBool SetMyCurrentDirectory(const Text& MyDir);
    // The deletes: False for a missing entry, a declined question and a
    // refused delete (each but the declined question shown in a box).
    VBool DeleteFileOrFolderToBin(const Text& MyFile);  // asks first
    VBool DeleteFileOrFolderSilentToBin(const Text& MyFile);
    VBool DeleteFileOrFolderSilent(const Text& MyFile);  // permanent; links removed, never followed
    VBool CreateMyDIR(const Text& MyDir);
    VBool MoveMyFileReplaceExisting(const Text& MyFile, Text& MoveToDir);  // MoveToDir becomes the target path
    VBool MoveMyFile(const Text& MyFile, Text& MoveToDir);                 // MoveToDir becomes the target path
    VBool CopyMyFile(const Text& MyFile, const Text& CopyToDir);
    VBool DestroyAllFilesInFolder(const Text& PathName);  // asks first; changes the current folder; False when a
                                                          // file could not be destroyed (the others still are)
    VBool DestroyFileQ(const Text& PathName);
    Text BrowseForFolderQ(std::int32_t hwndOwner, const Text& sPrompt = {});
    double GetDiskAvailSpace(const Text& sDrive);
    double GetDiskTotalSpace(const Text& sDrive);
    double GetDiskFreeSpace(const Text& sDrive);

    // File times and attributes (services/file_time_methods.cpp).
    VBool GetMyFileAttributes(const Text& MyFile, std::int32_t MyAttr);
    double GetFolderCreatedDate(const Text& MyFolder, Text& HumanReadableDate);
    std::int32_t FileCompareCreatedDates(const Text& Source_File, const Text& Target_File);
    std::int32_t FileCompareAccessDates(const Text& Source_File, const Text& Target_File);
    std::int32_t FileCompareModDates(const Text& Source_File, const Text& Target_File);
    VBool SetFileCreatedDate(const Text& file_name, Date created_date, VBool local_times);  // always False: a
                                                                                          // birth time can't be set
    VBool SetFileAccessedDate(const Text& file_name, Date accessed_date, VBool local_times);
    VBool SetFileModifiedDate(const Text& file_name, Date modified_date, VBool local_times);
    // Sets the accessed and modified stamps (the birth time cannot be set
    // here; creation_date must still be a date a stamp can hold). True when
    // both were set; False for a missing or read-only file.
    VBool SetFileTimes(const Text& file_name, Date creation_date, Date access_date, Date modified_date,
                       VBool local_times = kFalse);
    VBool GetFileTimes(const Text& file_name, Date& creation_date, Date& access_date, Date& modified_date,
                       VBool local_time = kTrue);

    // Backup and mirroring, file search (utilities/backup_methods.cpp, utilities/search_methods.cpp).
    // The records are BACKUP_FILE_PARAMS and FILE_PARAMS; the walks list a
    // folder's entries in a stable order without regard to letter case, never
    // enter dot-named folders or symbolic links, and yield to the host after
    // every entry. Counters past 2,147,483,647 throw overflow.
    VBool BackUpFiles(Record& MyBackUpParams);  // True also when cancelled; copies that fail are not counted
    std::int32_t BackUpFilesProgressPercentage() const noexcept;
    Value CreateEmptyFolderMirror(Record& FP);  // Empty; latches the source root until BackUpFilesCLEANUP
    VBool CompareTargetToSource(Record& MyBackUpParams, Array& ExtraFilesArray, VBool DeleteMisMatchesNow = kFalse,
                                VBool SilentDelete = kFalse);  // True when a target file has no source
    Value DeleteNoMatchDirectories(Record& FP, Array& MisMathedDirArray, VBool DeleteMisMatchesNow = kFalse,
                                   VBool SilentDelete = kFalse);  // Empty; latches the target root
    void BackUpFilesCLEANUP();
    void SearchForFiles(const Text& MyDir, Array& MyArray, Record& FP);  // appends from index FP.nCount on
    VBool FolderContainsFiles(Text& MyFolder);       // MyFolder gets its trailing separator
    VBool FolderContainsSubfolders(Text& MyFolder);  // dot-named folders don't count
    VBool SearchForAllFileLocations(const Text& DriveLetter, const Text& sFname, Array& FileLocsArray);
    Text SearchForFileLocation(Text& sDrive2Scan, const Text& sFile2Find);  // sDrive2Scan becomes the mount root
    Value SearchForAllFileLocationsCLEANUP();  // Empty

    // Array records (utilities/array_record_methods.cpp).
    // ArrayData is an ARRAY_PARAMS record: sMyArray, sMyFile, nRecordCount,
    // nSecDimension. The file methods, removals and reversals answer False on
    // any error; the sorts and searches throw (subscript out of range for an
    // empty array, a bound or column outside it). Text mode (case-insensitive)
    // when the first element (of the key column) is text, value mode otherwise.
    Value DestroyArray(Record& ArrayData);  // erases sMyArray; Empty
    VBool RemoveArrayRowReWriteOneDim(Record& ArrayData, std::int32_t iPos, VBool AppendFile);  // array unchanged
    VBool RemoveArrayRowReWriteTwoDim(Record& ArrayData, std::int32_t iPos, VBool AppendFile);
    VBool RemoveFromArrayTwoDim(Record& ArrayData, std::int32_t iPos);  // a lone row is erased with False
    VBool RemoveFromArrayOneDim(Record& ArrayData, std::int32_t iPos);
    std::int32_t BinarySearchSortedArray1(Record& ArrayData, const Value& FindValue);  // first equal index, or -1
    std::int32_t BinarySearchSortedArray2(Record& ArrayData, std::int16_t AccordingTo, const Value& FindValue);
    VBool IsInArray2(const Value& FindValue, const Array& MyArray);  // exact, case-sensitive text forms
    VBool IsInArray(const Value& FindValue, Record& ArrayData);
    VBool ArrayReverseTwoDim(Record& ArrayData);  // rows 0 .. nRecordCount - 1
    VBool ArrayReverseOneDim(Record& ArrayData);
    VBool WriteOneDimArrayToFile(Record& ArrayData, VBool AppendFile);  // replaced atomically unless appending
    VBool WriteTwoDimArrayToFile(Record& ArrayData, VBool AppendFile);  // False for widths outside 2..31
    void QuickSortOneDimArray(Record& ArrayData, std::int32_t L, std::int32_t R);
    void QuickSortTwoDimArray(Record& ArrayData, std::int16_t AccordingTo, std::int32_t L, std::int32_t R);
    VBool FillOneDimArrayFromFile(Record& ArrayData);  // sets nRecordCount
    VBool FillTwoDimArrayFromFile(Record& ArrayData);  // rows of nSecDimension + 1 values

    // Numbers and text (utilities/number_text_methods.cpp).
    Text NumToText(double dblVal, VBool ShowDollars);  // "#Error#" outside 0 <= dblVal < 10^15
    double ConvertFractionToDecimal(const Text& sMixedFrac);  // never throws
    Text ProperCaseString(const Text& MyString);
    Text CreditCardType(const Text& CardNumber);  // a prefix read for a matching length must be a number
    Text RemovePoundSign(const Text& MyStr);      // empty text when there is no "#"
    Text RemoveChar(const Text& MyStr, const Text& CharToRemove);  // empty text unless found
    Text RandomAlphaNum(std::int16_t StrLength);  // empty text for a negative length
    Text MakeFraction(const Value& DecimalNumber, std::int32_t LargestDenominator, VBool bShowDash);
    Text ConvertHexDecBinary(Text& MyNumber, std::int32_t ConvertFrom, std::int32_t ConvertTo);  // also into MyNumber
    std::int32_t GetRandomValue(VBool Two56Val);

    // Dates and finance (utilities/date_finance_methods.cpp).
    VBool IsLeapYear(std::int16_t yr);  // negative years: only multiples of 400
    std::int16_t DaysInMonth(Date D);
    double PeriodicRateMonthly01(double MyAPR, std::int32_t DecimalPlace);  // -1 on an error
    double PeriodicRateDays01(double MyAPR, std::int16_t& MyYear, std::int32_t DecimalPlace);  // 0: current year
    std::int32_t DaysBetween2Dates(Date MyDate1, Date MyDate2);  // calendar days, times ignored
    double RoundNum(double MyNumber, std::int32_t DecimalPlace);  // halves away from zero; -1 on an error
    Date RandomDate();  // day 0 to today, no time of day
    std::int32_t DateToJulian(Date MyDate);

    // Calculators (utilities/calculator_methods.cpp).
    // Weights in pounds or kilograms, lengths in inches or centimetres; the
    // by-reference arguments named below are written back.
    double FemaleBodyFatPercentage(double MyWeight, double WaistMeasurement, double WristCircMeasure,
                                   double WidestHipCircum, double ForeArmWidestCircum, double& LeanBodyMass);
    double MaleBodyFatPercentage(double MyWeight, double WaistMeasurement, double& LeanBodyMass);
    double BMRHarris_Benedict(VBool SexIsMale, double& BodyWieght, double& BodyHeight, double MyAge);
    double KilogramsToPounds(double Kilograms);
    double PoundsToKilograms(double Pounds);
    double CentimetersToInches(double Centimeter);
    double InchesToCentimeters(double Inches);
    double MyTDEE(double MyBMR, std::int32_t MyActivityLevel);
    double BMRKatch_McArdle(double& LeanBodyMass);
    void FillMeasureUnitsArray(Array& MyMeasureArray);
    void FillNutrientArray(Array& MyNutArray);
    void FillAminoAcidArray(Array& MyAminosArray);
    void FillVitaminMineralArray(Array& MyVitsMinsArray);
    double ConvertWieghtsAndVolumes(double HowManyOrig, std::int32_t OrigMeasureUnit, std::int32_t ToMeasureUnit);

private:
    Host* host_;
    ControlState state_;
    engine::FractionGenerator random_;
    std::int32_t width_ = kWidthTwips;
    std::int32_t height_ = kHeightTwips;
};

// The control behind a late-bound handler's object.
inline KorbitControl& controlOf(DispatchObject& object) { return static_cast<KorbitControl&>(object); }

}  // namespace korbit::control
