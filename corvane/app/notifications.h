// The desktop's message bus as the program uses it: notifications
// (org.freedesktop.Notifications) whose "show" action shows the run's files
// in the file manager (org.freedesktop.FileManager1). Every call is
// asynchronous, so a slow or missing service never holds up the window.
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>

namespace corvane {

class Desktop;

class Notifications final : public QObject {
    Q_OBJECT
public:
    // On the session bus, or on the bus at `busAddress` (empty: none). An
    // invoked "show" action calls `desktop`.showInFolder(), which must
    // outlive this object.
    Notifications(Desktop& desktop, QObject* parent);
    Notifications(Desktop& desktop, const QString& busAddress, QObject* parent);
    ~Notifications() override;

    // Shows a notification; nothing when no server answers.
    void notify(const QString& summary, const QString& body, const QString& showLabel, const QStringList& files);

    // Asks the file manager to show `files`, selected; calls `otherwise`
    // when there is no bus or the file manager does not answer.
    void showItems(const QStringList& files, std::function<void()> otherwise);

private slots:
    void actionInvoked(uint id, const QString& action);
    void notificationClosed(uint id, uint reason);

private:
    void listen();

    Desktop& desktop_;
    QDBusConnection bus_;
    QString ownConnection_;     // the name of a connection this object opened, to close it
    std::map<uint, QStringList> shown_;  // the files of each notification still shown
};

}  // namespace corvane
