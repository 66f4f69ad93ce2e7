#include "corvane/app/instance_channel.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>
#include <QtEndian>
#include <memory>
#include <optional>

#include "corvane/app/file_names.h"
#include "korbit/platform/ownership.h"

namespace corvane {

namespace {

constexpr quint32 kMagic = 0x436f7232;  // "Cor2": a hand-over of this program, the count-and-names form
constexpr int kRetryMs = 50;
// Enough for the header and one whole name; Qt reads no more from the
// system than this ahead of what has been taken.
constexpr qint64 kReadAhead = 2 * (kMaxPathBytes + 8);

bool fromOwnUser(const QLocalSocket& socket) {
    const std::optional<unsigned> peer = korbit::platform::peerUser(static_cast<int>(socket.socketDescriptor()));
    return peer && *peer == korbit::platform::runningUser();
}

void appendNumber(QByteArray& out, quint32 n) {
    char bytes[4];
    qToBigEndian(n, bytes);
    out.append(bytes, 4);
}

// The next number, when four bytes have arrived.
std::optional<quint32> takeNumber(QLocalSocket& socket) {
    if (socket.bytesAvailable() < 4) {
        return std::nullopt;
    }
    char bytes[4];
    socket.read(bytes, 4);
    return qFromBigEndian<quint32>(bytes);
}

// One hand-over as it arrives.
struct Incoming {
    bool counted = false;
    quint32 count = 0;
    std::optional<quint32> length;  // of the name on its way
    QStringList files;
    bool done = false;
};

enum class Step { kWait, kWhole, kRefused };

// Takes what has arrived of `in`, never more than the part announced next.
Step takeArrived(QLocalSocket& socket, Incoming& in) {
    for (;;) {
        if (!in.counted) {
            if (socket.bytesAvailable() < 8) {
                return Step::kWait;
            }
            const quint32 magic = *takeNumber(socket);
            in.count = *takeNumber(socket);
            if (magic != kMagic || in.count > kMaxHandOverFiles) {
                return Step::kRefused;
            }
            in.counted = true;
        } else if (static_cast<quint32>(in.files.size()) == in.count) {
            return Step::kWhole;
        } else if (!in.length) {
            in.length = takeNumber(socket);
            if (!in.length) {
                return Step::kWait;
            }
            if (*in.length == 0 || *in.length > kMaxPathBytes) {
                return Step::kRefused;
            }
        } else {
            if (socket.bytesAvailable() < *in.length) {
                return Step::kWait;
            }
            const QByteArray name = socket.read(*in.length);
            if (name.contains('\0')) {
                return Step::kRefused;
            }
            in.files << fileNameFromOs(name);
            in.length.reset();
        }
    }
}

void drop(QLocalSocket* socket) {
    socket->abort();
    socket->deleteLater();
}

}  // namespace

QString instanceSocketPath(const QString& folder, const QString& name) {
    return QDir(folder).filePath(name + QStringLiteral(".socket"));
}

InstanceServer::InstanceServer(const QString& folder, const QString& name,
                               std::function<HandOver(const QStringList&)> handler, int stallLimitMs, QObject* parent)
    : QObject(parent), handler_(std::move(handler)), stallLimitMs_(stallLimitMs) {
    if (folder.isEmpty()) {
        return;
    }
    const QString path = instanceSocketPath(folder, name);
    QLocalServer::removeServer(path);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &InstanceServer::takeConnection);
    server_.listen(path);
}

void InstanceServer::takeConnection() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        if (!fromOwnUser(*socket)) {
            drop(socket);  // not a byte read from another user's process
            continue;
        }
        socket->setReadBufferSize(kReadAhead);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto in = std::make_shared<Incoming>();
        QTimer::singleShot(stallLimitMs_, socket, [socket, in] {
            if (!in->done) {
                drop(socket);
            }
        });
        const auto take = [this, socket, in] {
            if (in->done) {
                return;
            }
            const Step step = takeArrived(*socket, *in);
            if (step == Step::kWait) {
                return;
            }
            in->done = true;
            if (step == Step::kRefused) {
                drop(socket);
                return;
            }
            const HandOver answer = handler_(in->files);
            QByteArray reply;
            appendNumber(reply, static_cast<quint32>(answer));
            socket->write(reply);
            socket->flush();
            socket->disconnectFromServer();
        };
        connect(socket, &QLocalSocket::readyRead, this, take);
        take();
    }
}

HandOver handOverToRunningCopy(const QString& folder, const QString& name, const QStringList& files, int timeoutMs) {
    if (folder.isEmpty()) {
        return HandOver::kNoAnswer;
    }
    QByteArray request;
    appendNumber(request, kMagic);
    appendNumber(request, static_cast<quint32>(files.size()));
    for (const QString& file : files) {
        const QByteArray bytes = osFileName(file);
        if (bytes.isEmpty() || bytes.size() > static_cast<qsizetype>(kMaxPathBytes)) {
            return HandOver::kNotAFile;
        }
        appendNumber(request, static_cast<quint32>(bytes.size()));
        request.append(bytes);
    }
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    // A copy that has just taken the lock may not listen yet.
    for (;;) {
        socket.connectToServer(instanceSocketPath(folder, name));
        if (socket.waitForConnected(static_cast<int>(deadline.remainingTime()))) {
            break;
        }
        if (deadline.remainingTime() <= kRetryMs) {
            return HandOver::kNoAnswer;
        }
        QThread::msleep(kRetryMs);
    }
    if (!fromOwnUser(socket)) {
        return HandOver::kNoAnswer;  // the names go to no one else
    }
    socket.write(request);
    socket.flush();
    while (socket.bytesAvailable() < 4) {
        if (deadline.hasExpired() || !socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
            return HandOver::kNoAnswer;
        }
    }
    const quint32 answer = *takeNumber(socket);
    if (answer > static_cast<quint32>(HandOver::kOneAtATime)) {
        return HandOver::kNoAnswer;
    }
    return static_cast<HandOver>(answer);
}

}  // namespace corvane
