#include "corvane/app/control_client.h"

#include <QtGlobal>

#include "corvane/app/qt_host.h"
#include "korbit/control/values/component_abi.h"
#include "korbit/hosting/hosting.h"

namespace corvane {

namespace control = korbit::control;
namespace hosting = korbit::hosting;

namespace {

control::Value text(const QString& s) { return control::Value(toText(s)); }

// A registered library passed over for the one installed with the program
// (another interface version) is worth a line in the log, not a box.
hosting::ComPtr<korbit::com::IDispatch> newControl() {
    std::string notice;
    hosting::ComPtr<korbit::com::IDispatch> made = hosting::createObject(korbit::com::kProgIdKorbitControl, &notice);
    if (!notice.empty()) {
        qWarning("%s", notice.c_str());
    }
    return made;
}

}  // namespace

ControlClient::ControlClient(control::Host& host) : host_(host), control_(newControl()) {
    hosting::lendHost(*control_, &host);
}

ControlClient::~ControlClient() { hosting::lendHost(*control_, nullptr); }

control::Value ControlClient::invoke(Method method, std::vector<control::Value> args) {
    hosting::CallOutcome outcome = hosting::call(*control_, control::dispatchIdOf(method), args);
    if (!outcome.ok()) {
        const std::string name = control::methodName(method);
        control::Text description = outcome.error.description;
        if (description.empty()) {
            description = toText(QString::fromStdString("status " + hosting::statusText(outcome.status)));
        }
        host_.reportFailure(control::Text(name.begin(), name.end()), description);
        return {};
    }
    return std::move(outcome.result);
}

bool ControlClient::invokeBool(Method method, std::vector<control::Value> args) {
    const control::Value result = invoke(method, std::move(args));
    return !result.isEmpty() && control::toBool(result) != control::kFalse;
}

QString ControlClient::invokeText(Method method, std::vector<control::Value> args) {
    return toQString(control::toText(invoke(method, std::move(args))));
}

bool ControlClient::isFileEncrypted2(const QString& file) { return invokeBool(Method::IsFileEncrypted2, {text(file)}); }

bool ControlClient::encryptionRoutine2(const QString& file, const QString& password, const QString& applicationName) {
    return invokeBool(Method::EncryptionRoutine2, {text(file), text(password), text(applicationName)});
}

int ControlClient::encryptionProgressPercentage() {
    const control::Value result = invoke(Method::EncryptionProgressPercentage, {});
    return result.isEmpty() ? 0 : control::toInt32(result);
}

void ControlClient::cancelOps() { invoke(Method::CancelOps, {}); }

QString ControlClient::profileGetItem(const QString& section, const QString& key, const QString& iniFile) {
    return invokeText(Method::ProfileGetItem, {text(section), text(key), text(iniFile)});
}

void ControlClient::profileSaveItem(const QString& section, const QString& key, const QString& value,
                                    const QString& iniFile) {
    invoke(Method::ProfileSaveItem, {text(section), text(key), text(value), text(iniFile)});
}

QString ControlClient::getSpecialFolderA(std::int32_t folder) {
    return invokeText(Method::GetSpecialFolderA, {control::Value(folder)});
}

QString ControlClient::backSlashNeeded(const QString& path) {
    return invokeText(Method::BackSlashNeeded, {text(path)});
}

bool ControlClient::folderExists(const QString& folder) { return invokeBool(Method::FolderExists, {text(folder)}); }

bool ControlClient::fileExistQ(const QString& file) { return invokeBool(Method::FileExistQ, {text(file)}); }

bool ControlClient::createMyDIR(const QString& folder) { return invokeBool(Method::CreateMyDIR, {text(folder)}); }

bool ControlClient::createMyFile(const QString& file) { return invokeBool(Method::CreateMyFile, {text(file)}); }

void ControlClient::startRunOpenFile(const QString& file, std::int32_t window) {
    invoke(Method::StartRunOpenFile, {text(file), control::Value(window)});
}

}  // namespace corvane
