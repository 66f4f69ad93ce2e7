#include "corvane/app/instance_channel.h"

#include <QDataStream>
#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QThread>

#include "corvane/app/single_instance.h"

namespace corvane {

namespace {

constexpr quint32 kMagic = 0x436f7276;  // "Corv": a request of this program
constexpr int kRetryMs = 50;

}  // namespace

QString instanceSocketPath(const QString& name) { return runtimeFilePath(name + QStringLiteral(".socket")); }

InstanceServer::InstanceServer(const QString& name, std::function<HandOver(const QString&)> handler, QObject* parent)
    : QObject(parent), handler_(std::move(handler)) {
    const QString path = instanceSocketPath(name);
    QLocalServer::removeServer(path);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &InstanceServer::takeConnection);
    server_.listen(path);
}

void InstanceServer::takeConnection() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            QDataStream in(socket);
            in.setVersion(QDataStream::Qt_6_0);
            in.startTransaction();
            quint32 magic = 0;
            QString file;
            in >> magic >> file;
            if (!in.commitTransaction()) {
                return;  // the rest is still on its way
            }
            const HandOver answer = magic == kMagic ? handler_(file) : HandOver::kNotAFile;
            QDataStream out(socket);
            out.setVersion(QDataStream::Qt_6_0);
            out << static_cast<qint32>(answer);
            socket->flush();
            socket->disconnectFromServer();
        });
    }
}

HandOver handOverToRunningCopy(const QString& name, const QString& file, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    // A copy that has just taken the lock may not listen yet.
    for (;;) {
        socket.connectToServer(instanceSocketPath(name));
        if (socket.waitForConnected(static_cast<int>(deadline.remainingTime()))) {
            break;
        }
        if (deadline.remainingTime() <= kRetryMs) {
            return HandOver::kNoAnswer;
        }
        QThread::msleep(kRetryMs);
    }
    QByteArray request;
    QDataStream out(&request, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << kMagic << file;
    socket.write(request);
    socket.flush();
    while (socket.bytesAvailable() < static_cast<qint64>(sizeof(qint32))) {
        if (deadline.hasExpired() || !socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
            return HandOver::kNoAnswer;
        }
    }
    QDataStream in(&socket);
    in.setVersion(QDataStream::Qt_6_0);
    qint32 answer = -1;
    in >> answer;
    if (answer < static_cast<qint32>(HandOver::kTaken) || answer > static_cast<qint32>(HandOver::kNotAFile)) {
        return HandOver::kNoAnswer;
    }
    return static_cast<HandOver>(answer);
}

}  // namespace corvane
