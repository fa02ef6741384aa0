// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the solver's string services and the position model's string
// loaders with arbitrary bytes, checking the promises callers rely on.
#include "model/random.h"
#include "model/tqj.h"
#include "solver/solver.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

bool keepsGivens(const std::string& input, const std::string& grid) {
    for (std::size_t i = 0; i < 81 && i < input.size(); ++i)
        if (input[i] >= '1' && input[i] <= '9' && grid[i] != input[i]) return false;
    return true;
}

bool isSolution(const std::string& grid) {
    return grid.size() == 81 && grid.find('0') == std::string::npos && velmar::CheckGivens(grid);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);

    velmar::CheckGivens(input);
    const velmar::SolveResult solved = velmar::SolveString(input);
    require(solved.grid.size() == 81);
    require(solved.status == 1 || isSolution(solved.grid));
    require(keepsGivens(input, solved.grid));

    for (bool dialog : {false, true}) {
        const velmar::UniquenessReport report =
            dialog ? velmar::TestUniquenessDialog(input) : velmar::TestUniqueness(input);
        require(report.result >= 0 && report.result <= 2);
        if (report.result != velmar::kNoSolution)
            require(isSolution(report.first) && keepsGivens(input, report.first));
        if (report.result == velmar::kSeveralSolutions)
            require(isSolution(report.second) && report.second != report.first &&
                    keepsGivens(input, report.second));
    }

    velmar::Random random(size);
    velmar::TQJ model;
    if (model.LoadMarkedPuzzle(input, random)) require(model.GetGivensString().size() == 81);
    model.LoadGivens(input);
    model.LoadSolutionString(input);
    const std::string solution = model.GetSolutionString();
    require(solution.empty() || solution.size() == 81);
    return 0;
}
