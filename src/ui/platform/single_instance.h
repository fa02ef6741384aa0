// SPDX-License-Identifier: GPL-3.0-or-later
// One game per data folder: the first start listens on a local socket in the
// runtime folder; a later start with the same data folder hands its files to
// it over that socket and ends, so two games never write the same
// "lastgame.dat" and "games.dat". The running game brings its window to the
// front and opens the files.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;

namespace velmar {

class SingleInstance : public QObject {
    Q_OBJECT

  public:
    explicit SingleInstance(const QString& dataFolder, QObject* parent = nullptr);

    // True when a running game took the files (absolute paths): this start
    // ends. Otherwise this start listens from now on.
    bool HandToRunningGame(const QStringList& files);
    QString SocketPath() const { return socketPath_; }

  signals:
    // Another start asked for the window, with the files it was given.
    void Activated(const QStringList& files);

  private:
    enum class Listening { Yes, Taken, Failed };
    bool Send(const QStringList& files) const;
    Listening Listen();
    void Accept();

    QString socketPath_;
    QLocalServer* server_ = nullptr;
};

} // namespace velmar
