// A window's KorbitControl1: the control created by its program identifier
// and called late-bound, by the dispatch identifiers of the table the
// control's interface is built from (korbit/control/values/control_methods.h).
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "korbit/control/values/control_methods.h"
#include "korbit/control/values/value.h"
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
    // library cannot be found or loaded, or is of another interface version.
    explicit ControlClient(korbit::control::Host& host);
    ~ControlClient();
    ControlClient(const ControlClient&) = delete;
    ControlClient& operator=(const ControlClient&) = delete;

    // The control's methods. A call the control fails is shown through the
    // host (Host::reportFailure) and gives an empty result (False, empty
    // text, 0); the control shows its own messages.
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
    using Method = korbit::control::ControlMethod;

    korbit::control::Value invoke(Method method, std::vector<korbit::control::Value> args);
    bool invokeBool(Method method, std::vector<korbit::control::Value> args);
    QString invokeText(Method method, std::vector<korbit::control::Value> args);

    korbit::control::Host& host_;
    korbit::hosting::ComPtr<korbit::com::IDispatch> control_;
};

}  // namespace corvane
