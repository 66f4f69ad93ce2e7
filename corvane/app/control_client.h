// A window's KorbitControl1: the control created by its program identifier
// and called late-bound, by dispatch identifier, for the methods the program
// uses. The identifiers are looked up once, when the control is created.
#pragma once

#include <QString>
#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "korbit/control/value.h"
#include "korbit/hosting/com_ptr.h"

namespace korbit::control {
class Host;
}

namespace corvane {

// Special-folder identifiers the program asks for.
inline constexpr std::int32_t kFolderCommonDesktop = 25;  // the all-users desktop
inline constexpr std::int32_t kFolderAppData = 26;        // the user's application data

class ControlClient {
public:
    // Creates a Korbit.KorbitControl and lends it `host` for as long as this
    // object lives. Throws korbit::hosting::ComponentError when the control
    // library cannot be found or loaded, and std::runtime_error when it lacks
    // a method the program calls.
    explicit ControlClient(korbit::control::Host& host);
    ~ControlClient();
    ControlClient(const ControlClient&) = delete;
    ControlClient& operator=(const ControlClient&) = delete;

    // The control's methods. A call the control fails gives an empty result
    // (False, empty text, 0); the control shows its own messages.
    bool isFileEncrypted2(const QString& file);
    bool encryptionRoutine2(const QString& file, const QString& password, const QString& applicationName);
    int encryptionProgressPercentage();
    void cancelOps();
    QString profileGetItem(const QString& section, const QString& key, const QString& iniFile);
    void profileSaveItem(const QString& section, const QString& key, const QString& value, const QString& iniFile);
    QString getSpecialFolderA(std::int32_t folder);
    QString backSlashNeeded(const QString& path);
    bool folderExists(const QString& folder);
    bool fileExistQ(const QString& file);
    bool createMyDIR(const QString& folder);
    bool createMyFile(const QString& file);
    void startRunOpenFile(const QString& file, std::int32_t window);

private:
    korbit::control::Value invoke(std::u16string_view method, std::vector<korbit::control::Value> args);
    bool invokeBool(std::u16string_view method, std::vector<korbit::control::Value> args);
    QString invokeText(std::u16string_view method, std::vector<korbit::control::Value> args);

    korbit::hosting::ComPtr<korbit::com::IDispatch> control_;
    std::unordered_map<std::u16string_view, std::int32_t> dispids_;
};

}  // namespace corvane
