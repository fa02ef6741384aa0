// SPDX-License-Identifier: GPL-3.0-or-later
// Writes "lastgame.dat" away from the window's thread: the atomic write ends
// with the disk's flush, which can take longer than a click may, and the game
// is written after every move. Only the newest text waits; one still waiting
// when a newer one comes is never written.
#pragma once

#include "storage/text_file_io.h"

#include <QObject>
#include <QString>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace velmar {

class LastGameWriter : public QObject {
    Q_OBJECT

  public:
    explicit LastGameWriter(QString path, QObject* parent = nullptr);
    ~LastGameWriter() override; // finishes what is waiting

    // Written in the background; the outcome comes as Written.
    void Post(std::string text);
    // Waits until everything posted is on the disk.
    void Finish();
    // Finish, then this text, written before returning.
    FileWriteResult WriteNow(const std::string& text);
    // Whether the last write, in the background or not, succeeded.
    bool LastWriteOk();

  signals:
    // From the writing thread, so delivered queued to the window's objects.
    void Written(bool ok, const QString& reason);

  private:
    void Run();

    const QString path_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::optional<std::string> waiting_;
    bool writing_ = false;
    bool stop_ = false;
    bool lastOk_ = true;
    std::thread thread_;
};

} // namespace velmar
