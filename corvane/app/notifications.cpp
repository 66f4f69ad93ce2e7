#include "corvane/app/notifications.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

#include "corvane/app/branding.h"
#include "corvane/app/desktop.h"
#include "corvane/app/file_names.h"

namespace corvane {

namespace {

const QString kNotificationsService = QStringLiteral("org.freedesktop.Notifications");
const QString kNotificationsPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kFileManagerService = QStringLiteral("org.freedesktop.FileManager1");
const QString kFileManagerPath = QStringLiteral("/org/freedesktop/FileManager1");
const QString kShowAction = QStringLiteral("show");

QDBusConnection busAt(const QString& address, const QString& name) {
    return address.isEmpty() ? QDBusConnection(name) : QDBusConnection::connectToBus(address, name);
}

}  // namespace

Notifications::Notifications(Desktop& desktop, QObject* parent)
    : QObject(parent), desktop_(desktop), bus_(QDBusConnection::sessionBus()) {
    listen();
}

Notifications::Notifications(Desktop& desktop, const QString& busAddress, QObject* parent)
    : QObject(parent),
      desktop_(desktop),
      bus_(busAt(busAddress, QStringLiteral("corvane-desktop-%1").arg(reinterpret_cast<quintptr>(this)))),
      ownConnection_(bus_.name()) {
    listen();
}

Notifications::~Notifications() {
    if (!ownConnection_.isEmpty()) {
        QDBusConnection::disconnectFromBus(ownConnection_);
    }
}

void Notifications::listen() {
    if (!bus_.isConnected()) {
        return;
    }
    bus_.connect(kNotificationsService, kNotificationsPath, kNotificationsService, QStringLiteral("ActionInvoked"),
                 this, SLOT(actionInvoked(uint, QString)));
    bus_.connect(kNotificationsService, kNotificationsPath, kNotificationsService,
                 QStringLiteral("NotificationClosed"), this, SLOT(notificationClosed(uint, uint)));
}

void Notifications::notify(const QString& summary, const QString& body, const QString& showLabel,
                           const QStringList& files) {
    if (!bus_.isConnected()) {
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(kNotificationsService, kNotificationsPath,
                                                       kNotificationsService, QStringLiteral("Notify"));
    const QStringList actions = files.isEmpty() ? QStringList() : QStringList{kShowAction, showLabel};
    const QVariantMap hints{{QStringLiteral("desktop-entry"), QStringLiteral(CORVANE_APP_ID)}};
    call << branding::kProgramTitle << 0U << QStringLiteral(CORVANE_APP_ID) << summary << body << actions << hints
         << -1;
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, files](QDBusPendingCallWatcher* finished) {
        const QDBusPendingReply<uint> reply = *finished;
        if (!reply.isError() && !files.isEmpty()) {
            shown_[reply.value()] = files;
        }
        finished->deleteLater();
    });
}

void Notifications::showItems(const QStringList& files, std::function<void()> otherwise) {
    if (!bus_.isConnected()) {
        otherwise();
        return;
    }
    QStringList uris;
    for (const QString& file : files) {
        uris << urlOfFileName(file).toString(QUrl::FullyEncoded);
    }
    QDBusMessage call = QDBusMessage::createMethodCall(kFileManagerService, kFileManagerPath, kFileManagerService,
                                                       QStringLiteral("ShowItems"));
    call << uris << QString();
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [otherwise = std::move(otherwise)](QDBusPendingCallWatcher* finished) {
                if (finished->isError()) {
                    otherwise();
                }
                finished->deleteLater();
            });
}

void Notifications::actionInvoked(uint id, const QString& action) {
    const auto shown = shown_.find(id);
    if (shown != shown_.end() && action == kShowAction) {
        desktop_.showInFolder(shown->second);
    }
}

void Notifications::notificationClosed(uint id, uint) { shown_.erase(id); }

}  // namespace corvane
