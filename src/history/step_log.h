// SPDX-License-Identifier: GPL-3.0-or-later
// The step log: every position the player reaches, as position lines, with a
// cursor on the one the board shows. The step buttons' enabled states are
// computed here so the window only applies them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmar {

class BoardCells;

// Enabled states of the First, Back, Next and Last Step buttons.
struct StepButtons {
    bool First = false;
    bool Back = false;
    bool Next = false;
    bool Last = false;

    bool operator==(const StepButtons&) const = default;
};

class StepLog {
  public:
    // What a fresh log holds until the first game starts.
    static constexpr std::string_view kPlaceholder = "memostep";

    StepLog();

    const std::vector<std::string>& Entries() const { return entries_; }
    std::int32_t Cursor() const { return cursor_; }
    // Entry i, or "" for an index outside the log.
    const std::string& EntryAt(int index) const;
    const std::string& Current() const { return EntryAt(cursor_); }
    // Counts the changes to the entries (not to the cursor), so a watcher
    // can tell whether the log needs writing again.
    std::uint64_t Revision() const { return revision_; }

    // A new game: the log becomes the one position, cursor 0.
    void StartLog(std::string_view line);
    void StartLog(const BoardCells& board);
    // Appends the position after the cursor (dropping any later entries)
    // unless it equals the entry at the cursor. Returns whether it appended.
    bool RecordStep(std::string_view line);
    bool RecordStep(const BoardCells& board);
    // Deletes every entry after index; the cursor stays inside the log.
    void TruncateAfter(int index);
    // A log read back from a file: these entries, cursor on the last one.
    void LoadEntries(std::vector<std::string> entries);

    // Cursor moves; each returns the entry to show. Moves never leave the log.
    const std::string& GoFirst();
    const std::string& GoBack();
    const std::string& GoNext();
    const std::string& GoLast();

    bool AtFirst() const { return cursor_ == 0; }
    bool AtLast() const { return static_cast<std::int64_t>(entries_.size()) == cursor_ + 1; }

    // Buttons after recording a step: as NavigationButtons, except that Back
    // and First stay off while entry 0 is still the placeholder.
    StepButtons RecordButtons() const;
    // Buttons after a step button moved the cursor.
    StepButtons NavigationButtons() const;

  private:
    int LastIndex() const { return static_cast<int>(entries_.size()) - 1; }

    std::vector<std::string> entries_;
    std::int32_t cursor_ = 0;
    std::uint64_t revision_ = 0;
};

} // namespace velmar
