// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/saved_games.h"

#include <gtest/gtest.h>

#include "model/tqj.h"

namespace velmar {
namespace {

const std::string kSolution =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

// Given 5 in A1, a placed 3 in A2, an open cell with all nine candidates in
// A3, candidates "21" in B1, every other cell open without candidates.
SavedGame Game(const std::string& name, int level = 3, const std::string& solution = kSolution) {
    SavedGame game{name, level, solution, {}};
    for (int i = 0; i < 81; ++i) game.Board.at(i).State = kStateOpen;
    game.Board.cell(1, 1) = {1, 1, "5", kStateGiven, false, 0};
    game.Board.cell(1, 2) = {1, 2, "3", kStatePlaced, false, 0};
    game.Board.cell(1, 3).Text = "123456789";
    game.Board.cell(2, 1).Text = "21";
    return game;
}

std::vector<std::string> Lines(const GamesFile& file) {
    return SplitTextLines(file.Write());
}

std::vector<std::string> Names(const GamesFile& file) {
    std::vector<std::string> names;
    for (const GameListRow& row : file.List()) names.push_back(row.Name);
    return names;
}

GamesFile ReadOk(const std::string& text) {
    GamesFileRead read = GamesFile::Read(text);
    EXPECT_TRUE(read.File) << read.Error.Describe();
    return read.File ? std::move(*read.File) : GamesFile{};
}

TEST(SavedGamesTest, RecordLayout) {
    GamesFile file;
    ASSERT_TRUE(file.Append(Game("New Game")));
    ASSERT_TRUE(file.Append(Game("Unknown", kUnknownLevel, "")));
    const std::string text = file.Write();
    EXPECT_EQ(text.find('\n'), text.find('\r') + 1) << "CR LF line ends";
    const std::vector<std::string> lines = Lines(file);
    ASSERT_EQ(lines.size(), 26u);
    EXPECT_EQ(lines[0], "Name=New Game");
    EXPECT_EQ(lines[1], "3 " + kSolution);
    EXPECT_EQ(lines[2].size(), 90u);
    EXPECT_EQ(lines[2].substr(0, 30), "15        23        3123456789");
    EXPECT_EQ(lines[3].substr(0, 20), "321       3         ");
    EXPECT_EQ(lines[11], "");
    EXPECT_EQ(lines[12], "");
    EXPECT_EQ(lines[14], "5 ");
    EXPECT_EQ(file.Find("Unknown"), 14);
    EXPECT_EQ(file.List(), (std::vector<GameListRow>{{"New Game", 3}, {"Unknown", 5}}));

    // Reading the text back opens the same game.
    const GamesFile again = ReadOk(text);
    EXPECT_EQ(again.Write(), text);
    const std::optional<SavedGame> opened = again.Open("New Game");
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->Level, 3);
    EXPECT_EQ(opened->Solution, kSolution);
    for (int i = 0; i < 81; ++i) {
        EXPECT_EQ(opened->Board.at(i).State, Game("").Board.at(i).State);
        EXPECT_EQ(opened->Board.at(i).Text, Game("").Board.at(i).Text);
    }
    EXPECT_EQ(again.Open("Unknown")->Solution, "");
}

TEST(SavedGamesTest, SavingANameAgainMovesItToTheEnd) {
    GamesFile file;
    file.Append(Game("A"));
    file.Append(Game("B"));
    ASSERT_NE(file.Find("A"), 0); // the dialog asks; No leaves the file as it is
    ASSERT_TRUE(file.Replace(Game("A", 1)));
    EXPECT_EQ(Names(file), (std::vector<std::string>{"B", "A"}));
    EXPECT_EQ(file.Open("A")->Level, 1);
    // Names differ by case: two records, each found exactly.
    file.Replace(Game("a"));
    EXPECT_EQ(Names(file), (std::vector<std::string>{"B", "A", "a"}));
    EXPECT_EQ(file.Find("a"), 27);
    EXPECT_EQ(file.Find(" A"), 0);
    // What cannot be stored changes nothing.
    const std::string before = file.Write();
    EXPECT_FALSE(file.Append(Game("two\nlines")));
    EXPECT_FALSE(file.Replace(Game("A", 6)));
    SavedGame wide = Game("wide");
    wide.Board.cell(9, 9).Text = "11";
    EXPECT_FALSE(file.Append(wide));
    EXPECT_EQ(file.Write(), before);
}

TEST(SavedGamesTest, RenameAndDelete) {
    GamesFile file;
    file.Append(Game("A"));
    file.Append(Game("B"));
    EXPECT_EQ(file.Rename("A", "B"), RenameResult::NameTaken);
    EXPECT_EQ(file.Rename("A", "A"), RenameResult::Unchanged);
    EXPECT_EQ(file.Rename("C", "D"), RenameResult::NotFound);
    EXPECT_EQ(file.Rename("A", "b\r"), RenameResult::InvalidName);
    EXPECT_EQ(file.Rename("A", "Zed"), RenameResult::Renamed);
    EXPECT_EQ(Names(file), (std::vector<std::string>{"Zed", "B"})); // keeps its place

    EXPECT_FALSE(file.Delete("b"));
    EXPECT_TRUE(file.Delete("Zed"));
    EXPECT_TRUE(file.Delete("B"));
    EXPECT_TRUE(file.List().empty());
    EXPECT_EQ(file.Write(), "");
}

TEST(SavedGamesTest, LinesBeforeTheFirstRecordAndEditorsLeniencyAreKept) {
    GamesFile one;
    one.Append(Game("Ünïcode"));
    std::string text = one.Write();
    // A BOM (twice), a note before the records, bare LF, no blanks at line
    // ends and no empty lines at the end.
    std::string edited = "\xEF\xBB\xBF\xEF\xBB\xBF"
                         "my games\n";
    for (std::string line : SplitTextLines(text)) {
        while (!line.empty() && line.back() == ' ') line.pop_back();
        if (!line.empty()) edited += line + "\n";
    }
    GamesFile file = ReadOk(edited);
    EXPECT_EQ(file.Find("Ünïcode"), 2);
    EXPECT_EQ(file.Open("Ünïcode")->Board.cell(2, 1).Text, "21");
    EXPECT_EQ(file.Write(), "my games\r\n" + text);
}

TEST(SavedGamesTest, DamagedFilesNameTheirLine) {
    GamesFile one;
    one.Append(Game("G"));
    const std::vector<std::string> good = Lines(one);
    const auto with = [&](std::size_t index, const std::string& line) {
        std::vector<std::string> lines = good;
        lines[index] = line;
        return JoinTextLines(lines);
    };
    const struct {
        std::string text;
        int line;
    } cases[] = {
        {with(1, "6 " + kSolution), 2},
        {with(1, "3" + kSolution), 2},
        {with(1, "3 123"), 2},
        {with(2, "x" + good[2].substr(1)), 3},                     // a State that is no digit
        {with(4, good[4] + "1"), 5},                               // 91 characters
        {with(10, good[10].substr(0, 75)), 11},                    // the ninth cell missing
        {with(3, "3 1 2" + good[3].substr(5)), 4},                 // a blank inside a cell
        {with(2, "22" + good[2].substr(2).replace(0, 1, "2")), 3}, // "222"
        {with(11, "x"), 12},
        {one.Write() + "Name=next\r\n3 \r\n", 15},       // a record cut short
        {one.Write() + "x\r\n", 14},                     // no "Name=" at the stride
        {with(0, "Name=\xC3"), 1},                       // not UTF-8
        {with(2, "1         " + good[2].substr(10)), 3}, // a given without its digit
        {with(2, good[2].substr(0, 10) + "2         " + good[2].substr(20)), 3}, // no digit
        {with(1, "3 " + std::string(81, '1')), 2},            // digits, but no grid
        {one.Write().substr(0, one.Write().size() - 10), 11}, // cut inside row nine
    };
    for (const auto& c : cases) {
        const GamesFileRead read = GamesFile::Read(c.text);
        EXPECT_FALSE(read.File) << c.text;
        EXPECT_EQ(read.Error.Line, c.line) << c.text << '\n' << read.Error.Describe();
    }
    EXPECT_TRUE(GamesFile::Read("no games yet\r\n").File);
}

TEST(SavedGamesTest, NewNamesRefuseLineBreaksAndTabs) {
    GamesFile file;
    EXPECT_FALSE(file.Append(Game("a\tb")));
    EXPECT_FALSE(file.Append(Game("a\nb")));
    ASSERT_TRUE(file.Append(Game("a")));
    EXPECT_EQ(file.Rename("a", "a\tb"), RenameResult::InvalidName);
    // A name stored before TABs were refused still reads.
    std::vector<std::string> lines = Lines(file);
    lines[0] = "Name=old\tname";
    EXPECT_EQ(Names(ReadOk(JoinTextLines(lines))), std::vector<std::string>{"old\tname"});
}

TEST(SavedGamesTest, OpeningSetsGivensAndChoosesTheMode) {
    SavedGame game = Game("G");
    TQJ model;
    LoadSavedGameModel(game, model);
    EXPECT_EQ(model.GetSolutionString(), kSolution);
    EXPECT_TRUE(model.node(1, 1).Fixed);
    EXPECT_FALSE(model.node(1, 2).Fixed);
    LoadSavedGameModel(Game("U", kUnknownLevel, ""), model);
    EXPECT_EQ(model.GetGivensString(), "5" + std::string(80, '0'));
    EXPECT_EQ(model.GetSolutionString(), "");

    // Some open cells empty: candidates cleared, placed digits stay.
    EXPECT_FALSE(KeepsCandidatesWhenOpened(game.Board));
    EXPECT_EQ(game.Board.cell(1, 3).Text, "");
    EXPECT_EQ(game.Board.cell(1, 2).Text, "3");
    // Every open cell with candidates, some edited: kept.
    for (int i = 0; i < 81; ++i)
        if (game.Board.at(i).State == kStateOpen) game.Board.at(i).Text = "9";
    EXPECT_TRUE(KeepsCandidatesWhenOpened(game.Board));
    EXPECT_EQ(game.Board.cell(1, 3).Text, "9");
}

} // namespace
} // namespace velmar
