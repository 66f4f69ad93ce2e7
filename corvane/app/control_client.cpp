#include "corvane/app/control_client.h"

#include <QtGlobal>
#include <stdexcept>

#include "corvane/app/qt_host.h"
#include "korbit/control/component_abi.h"
#include "korbit/hosting/hosting.h"

namespace corvane {

namespace control = korbit::control;
namespace hosting = korbit::hosting;

namespace {

constexpr std::u16string_view kMethods[] = {
    u"IsFileEncrypted2", u"EncryptionRoutine2", u"EncryptionProgressPercentage", u"CancelOps",
    u"ProfileGetItem",   u"ProfileSaveItem",    u"GetSpecialFolderA",            u"BackSlashNeeded",
    u"FolderExists",     u"FileExistQ",         u"CreateMyDIR",                  u"CreateMyFile",
    u"StartRunOpenFile",
};

control::Value text(const QString& s) { return control::Value(toText(s)); }

}  // namespace

ControlClient::ControlClient(control::Host& host) : control_(hosting::createObject(korbit::com::kProgIdKorbitControl)) {
    for (std::u16string_view method : kMethods) {
        const std::optional<std::int32_t> id = hosting::dispatchId(*control_, method);
        if (!id) {
            throw std::runtime_error("The Korbit control has no method " + QString::fromStdU16String(std::u16string(method)).toStdString() + ".");
        }
        dispids_.emplace(method, *id);
    }
    hosting::lendHost(*control_, &host);
}

ControlClient::~ControlClient() { hosting::lendHost(*control_, nullptr); }

control::Value ControlClient::invoke(std::u16string_view method, std::vector<control::Value> args) {
    hosting::CallOutcome outcome = hosting::call(*control_, dispids_.at(method), args);
    if (!outcome.ok()) {
        qWarning("Korbit control: %s failed (%s)", qUtf8Printable(QString::fromStdU16String(std::u16string(method))),
                 hosting::statusText(outcome.status).c_str());
        return {};
    }
    return std::move(outcome.result);
}

bool ControlClient::invokeBool(std::u16string_view method, std::vector<control::Value> args) {
    const control::Value result = invoke(method, std::move(args));
    return !result.isEmpty() && control::toBool(result) != control::kFalse;
}

QString ControlClient::invokeText(std::u16string_view method, std::vector<control::Value> args) {
    return toQString(control::toText(invoke(method, std::move(args))));
}

bool ControlClient::isFileEncrypted2(const QString& file) { return invokeBool(u"IsFileEncrypted2", {text(file)}); }

bool ControlClient::encryptionRoutine2(const QString& file, const QString& password, const QString& applicationName) {
    return invokeBool(u"EncryptionRoutine2", {text(file), text(password), text(applicationName)});
}

int ControlClient::encryptionProgressPercentage() {
    const control::Value result = invoke(u"EncryptionProgressPercentage", {});
    return result.isEmpty() ? 0 : control::toInt32(result);
}

void ControlClient::cancelOps() { invoke(u"CancelOps", {}); }

QString ControlClient::profileGetItem(const QString& section, const QString& key, const QString& iniFile) {
    return invokeText(u"ProfileGetItem", {text(section), text(key), text(iniFile)});
}

void ControlClient::profileSaveItem(const QString& section, const QString& key, const QString& value,
                                    const QString& iniFile) {
    invoke(u"ProfileSaveItem", {text(section), text(key), text(value), text(iniFile)});
}

QString ControlClient::getSpecialFolderA(std::int32_t folder) {
    return invokeText(u"GetSpecialFolderA", {control::Value(folder)});
}

QString ControlClient::backSlashNeeded(const QString& path) { return invokeText(u"BackSlashNeeded", {text(path)}); }

bool ControlClient::folderExists(const QString& folder) { return invokeBool(u"FolderExists", {text(folder)}); }

bool ControlClient::fileExistQ(const QString& file) { return invokeBool(u"FileExistQ", {text(file)}); }

bool ControlClient::createMyDIR(const QString& folder) { return invokeBool(u"CreateMyDIR", {text(folder)}); }

bool ControlClient::createMyFile(const QString& file) { return invokeBool(u"CreateMyFile", {text(file)}); }

void ControlClient::startRunOpenFile(const QString& file, std::int32_t window) {
    invoke(u"StartRunOpenFile", {text(file), control::Value(window)});
}

}  // namespace corvane
