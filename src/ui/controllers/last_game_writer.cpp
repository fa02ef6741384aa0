// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/controllers/last_game_writer.h"

#include "ui/platform/file_access.h"

namespace velmar {

LastGameWriter::LastGameWriter(QString path, QObject* parent)
    : QObject(parent), path_(std::move(path)), thread_([this] { Run(); }) {}

LastGameWriter::~LastGameWriter() {
    {
        const std::lock_guard lock(mutex_);
        stop_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void LastGameWriter::Post(std::string text) {
    {
        const std::lock_guard lock(mutex_);
        waiting_ = std::move(text);
    }
    wake_.notify_one();
}

void LastGameWriter::Finish() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return !waiting_ && !writing_; });
}

FileWriteResult LastGameWriter::WriteNow(const std::string& text) {
    Finish();
    FileWriteResult result = WriteFileText(path_, text);
    const std::lock_guard lock(mutex_);
    lastOk_ = result.Ok;
    return result;
}

bool LastGameWriter::LastWriteOk() {
    Finish();
    const std::lock_guard lock(mutex_);
    return lastOk_;
}

void LastGameWriter::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stop_ || waiting_; });
        if (!waiting_) return; // stopping with nothing left to write
        const std::string text = std::move(*waiting_);
        waiting_.reset();
        writing_ = true;
        lock.unlock();
        const FileWriteResult result = WriteFileText(path_, text);
        emit Written(result.Ok, QString::fromStdString(result.Reason));
        lock.lock();
        lastOk_ = result.Ok;
        writing_ = false;
        idle_.notify_all();
    }
}

} // namespace velmar
