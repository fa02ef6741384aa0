// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/import_examples.h"
#include "exchange/puzzle_text_import.h"
#include "solver/solver.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

TEST(ImportExamplesTest, EachExampleIsInItsOwnLayoutAndHasOneSolution) {
    for (int n = 1; n <= kImportExamples; ++n) {
        SCOPED_TRACE(n);
        const PuzzleTextImport imported = ImportPuzzleText(ImportExampleText(n).text);
        EXPECT_EQ(imported.layout, n);
        const UniquenessReport report = TestUniquenessDialog(ImportedPuzzleLine(imported.grid));
        ASSERT_EQ(report.result, kOneSolution);
        // A candidate list that lost its solution digit would make the
        // example unplayable in "All Candidates".
        if (n != 4) continue;
        EXPECT_EQ(imported.grid.CandidateState(), kCandidatesEdited);
        for (int i = 0; i < 81; ++i)
            EXPECT_NE(imported.grid.at(i).Text.find(report.first[i]), std::string::npos) << i;
    }
    EXPECT_EQ(ImportExampleText(4).helpKey, "msg_frmImport_cand");
    EXPECT_TRUE(ImportExampleText(5).text.empty());
}

TEST(ImportExamplesTest, WideGridRightAlignsEveryCellInTenColumns) {
    const std::string grid = ImportExampleText(3).text;
    EXPECT_EQ(grid.substr(0, 2 * 95),
              "*--------------------------------------------------------------------------------"
              "------------*\n"
              "|         .         9         5|         .         .         3|         8       "
              "  1         4|\n");
    EXPECT_EQ(grid.substr(4 * 95, 32), "|" + std::string(30, '-') + "+");
    std::array<std::string, 81> cells;
    cells[4] = "12345678901"; // longer than the column: not cut
    const std::string wide = WideCandidateGrid(cells);
    EXPECT_NE(wide.find(" .12345678901         ."), std::string::npos);
}

} // namespace
} // namespace velmar
