// SPDX-License-Identifier: GPL-3.0-or-later
// practicegen: finds the practice positions of the built-in bank, the places
// along each puzzle's solution path (advanced ladder) where a technique is
// the next step, and writes them beside the bank. Run it again after the
// bank or the ladder changed; the practice test fails until then.
//
// Usage: practicegen [--per N] [--out FILE]   (N defaults to 20, FILE to
//        data/bank/practice.txt); prints the count per technique.
#include "bank/practice_positions.h"
#include "storage/text_file_io.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    int per = 20;
    std::string out = "data/bank/practice.txt";
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--per" && i + 1 < argc) {
            per = std::atoi(argv[++i]);
        } else if (arg == "--out" && i + 1 < argc) {
            out = argv[++i];
        } else {
            std::fprintf(stderr, "usage: practicegen [--per N] [--out FILE]\n");
            return 2;
        }
    }
    const velmar::PracticeSet set =
        velmar::FindPracticePositions(velmar::PuzzleBank::builtIn(), per);
    const velmar::FileWriteResult written =
        velmar::WriteFileAtomically(out, velmar::PracticeText(set));
    if (!written.Ok) {
        std::fprintf(stderr, "practicegen: cannot write %s: %s\n", out.c_str(),
                     written.Reason.c_str());
        return 1;
    }
    for (int id = 0; id < velmar::ladder::kTechniqueCount; ++id) {
        if (id > 0 &&
            velmar::ladder::techniqueInfo(id).name == velmar::ladder::techniqueInfo(id - 1).name) {
            continue;
        }
        std::printf("%-28s %zu\n", std::string(velmar::ladder::techniqueInfo(id).name).c_str(),
                    set[id].size());
    }
    return 0;
}
