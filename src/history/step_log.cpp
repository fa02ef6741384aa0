// SPDX-License-Identifier: GPL-3.0-or-later
// Step log operations. A new position after stepping back discards the later
// entries (no redo); recording a position equal to the shown one adds
// nothing, so showing a step and recording it again is harmless.
#include "history/step_log.h"

#include <algorithm>

#include "history/position_line.h"

namespace velmar {

StepLog::StepLog() : entries_{std::string(kPlaceholder)} {}

const std::string& StepLog::EntryAt(int index) const {
    static const std::string empty;
    if (index < 0 || index > LastIndex()) return empty;
    return entries_[static_cast<std::size_t>(index)];
}

void StepLog::StartLog(std::string_view line) {
    entries_.clear();
    ++revision_;
    RecordStep(line);
    cursor_ = 0;
}

void StepLog::StartLog(const BoardCells& board) {
    StartLog(WritePositionLine(board));
}

bool StepLog::RecordStep(std::string_view line) {
    // Exact comparison: a different candidate order is a different step.
    if (line == EntryAt(cursor_) && !entries_.empty()) return false;
    TruncateAfter(cursor_);
    entries_.emplace_back(line);
    ++revision_;
    cursor_ = LastIndex();
    return true;
}

bool StepLog::RecordStep(const BoardCells& board) {
    return RecordStep(WritePositionLine(board));
}

void StepLog::TruncateAfter(int index) {
    const int keep = std::max(index + 1, 0);
    if (keep < static_cast<int>(entries_.size())) {
        entries_.resize(static_cast<std::size_t>(keep));
        ++revision_;
    }
    cursor_ = std::clamp(cursor_, 0, std::max(LastIndex(), 0));
}

void StepLog::LoadEntries(std::vector<std::string> entries) {
    entries_ = std::move(entries);
    ++revision_;
    cursor_ = std::max(LastIndex(), 0);
}

const std::string& StepLog::GoFirst() {
    cursor_ = 0;
    return Current();
}

const std::string& StepLog::GoBack() {
    if (cursor_ > 0) --cursor_;
    return Current();
}

const std::string& StepLog::GoNext() {
    if (cursor_ < LastIndex()) ++cursor_;
    return Current();
}

const std::string& StepLog::GoLast() {
    cursor_ = std::max(LastIndex(), 0);
    return Current();
}

StepButtons StepLog::NavigationButtons() const {
    const bool back = !AtFirst();
    const bool next = !AtLast();
    return {back, back, next, next};
}

StepButtons StepLog::RecordButtons() const {
    StepButtons buttons = NavigationButtons();
    if (!entries_.empty() && entries_.front() == kPlaceholder) buttons.First = buttons.Back = false;
    return buttons;
}

} // namespace velmar
