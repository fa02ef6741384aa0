// SPDX-License-Identifier: GPL-3.0-or-later
// The clock beside the game files: a noted time comes back only for the game
// it was noted for, and a damaged line loses that time alone.
#include "storage/elapsed_notes.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

GameFile SampleGame() {
    GameFile file;
    file.Level = 2;
    file.Givens = std::string(81, '0');
    file.Givens[0] = '5';
    std::string line(2 + 80 * 2, '3'); // "15,3,3,...": a given 5, then open cells
    line[1] = '5';
    for (std::size_t i = 2; i < line.size(); i += 2) line[i] = ',';
    file.Steps = {line};
    return file;
}

TEST(ElapsedNotes, TimesComeBackForTheSameGameOnly) {
    GameFile game = SampleGame();
    ElapsedNotes notes;
    notes.set(std::string(kLastGameClockKey), GameFileFingerprint(game), 754);
    notes.set(SavedGameClockKey("Sunday\tpaper"), 7, 30);
    const ElapsedNotes read = ElapsedNotes::Read(notes.Write());
    EXPECT_EQ(read, notes);
    EXPECT_EQ(read.get(std::string(kLastGameClockKey), GameFileFingerprint(game)), 754u);
    EXPECT_EQ(read.get(SavedGameClockKey("Sunday\tpaper"), 7), 30u);
    // The game moved on without the clock being noted: no stale time.
    game.Steps.push_back(game.Steps[0]);
    EXPECT_FALSE(read.get(std::string(kLastGameClockKey), GameFileFingerprint(game)));
    EXPECT_FALSE(read.get(SavedGameClockKey("other"), 7));

    SavedGame saved;
    saved.Level = 1;
    const std::uint64_t before = SavedGameFingerprint(saved);
    saved.Board.at(3).Text.assign(1, '4');
    EXPECT_NE(SavedGameFingerprint(saved), before);
}

TEST(ElapsedNotes, ADamagedLineIsDroppedAlone) {
    const ElapsedNotes read = ElapsedNotes::Read("\xEF\xBB\xBF"
                                                 "12\t00000000000000ff\tlastgame\n"
                                                 "x\t00000000000000ff\tgame:a\r\n"
                                                 "5\t00ff\tgame:b\r\n"
                                                 "9\t000000000000000g\tgame:c\r\n"
                                                 "99999999999\t00000000000000ff\tgame:d\r\n"
                                                 "7\t0000000000000001\tgame:e\r\n");
    EXPECT_EQ(read.get("lastgame", 255), 12u);
    EXPECT_EQ(read.get("game:e", 1), 7u);
    EXPECT_EQ(read.Write(), "7\t0000000000000001\tgame:e\r\n12\t00000000000000ff\tlastgame\r\n");
}

} // namespace
} // namespace velmar
