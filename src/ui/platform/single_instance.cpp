// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

#include <memory>

namespace velmar {
namespace {

constexpr int kWaitMs = 2000;

// Files travel as UTF-8 lines; an empty line ends the list.
QByteArray Message(const QStringList& files) {
    QByteArray message;
    for (const QString& file : files) message += file.toUtf8() + '\n';
    return message + '\n';
}

} // namespace

SingleInstance::SingleInstance(const QString& dataFolder, QObject* parent) : QObject(parent) {
    QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty()) runtime = QDir::tempPath();
    // The socket names the data folder, whose files one game owns.
    const QByteArray key =
        QCryptographicHash::hash(QDir::cleanPath(dataFolder).toUtf8(), QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    socketPath_ = runtime + QStringLiteral("/velmar-") + QString::fromLatin1(key);
}

bool SingleInstance::HandToRunningGame(const QStringList& files) {
    // A second try covers a game that started listening between our steps.
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (Send(files)) return true;
        if (Listen() != Listening::Taken) return false;
    }
    // Whatever stands in the way, the player still gets a game.
    return false;
}

bool SingleInstance::Send(const QStringList& files) const {
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (!socket.waitForConnected(kWaitMs)) return false;
    socket.write(Message(files));
    // The running game answers once it has the whole list.
    return socket.waitForBytesWritten(kWaitMs) && socket.waitForReadyRead(kWaitMs);
}

SingleInstance::Listening SingleInstance::Listen() {
    auto server = std::make_unique<QLocalServer>(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(socketPath_)) {
        if (server->serverError() != QAbstractSocket::AddressInUseError) return Listening::Failed;
        // In use: by a game that has just started, or left by one that ended.
        QLocalSocket probe;
        probe.connectToServer(socketPath_);
        if (probe.waitForConnected(kWaitMs)) return Listening::Taken;
        QLocalServer::removeServer(socketPath_);
        if (!server->listen(socketPath_)) return Listening::Failed;
    }
    server_ = server.release();
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::Accept);
    return Listening::Yes;
}

void SingleInstance::Accept() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto buffer = std::make_shared<QByteArray>();
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, buffer] {
            *buffer += socket->readAll();
            if (!buffer->endsWith('\n') || !(buffer->size() == 1 || buffer->endsWith("\n\n")))
                return;
            QStringList files;
            for (const QByteArray& line : buffer->split('\n'))
                if (!line.isEmpty()) files << QString::fromUtf8(line);
            buffer->clear();
            socket->write("ok\n");
            socket->flush();
            emit Activated(files);
        });
    }
}

} // namespace velmar
