// SPDX-License-Identifier: GPL-3.0-or-later
// The game's own icon set, drawn as vector shapes at whatever size and device
// pixel ratio a button asks for, so the icons stay crisp on every screen.
#pragma once

#include <QIcon>

namespace velmar {

enum class IconId {
    GameList,
    Save,
    Printable,
    Import,
    Level0,
    Level1,
    Level2,
    Level3,
    Level4,
    Restart,
    Solve,
    Copy,
    SavePicture,
    Check,
    Hint,
    StartBranch,
    Accept,
    Reject,
    First,
    Back,
    Next,
    Last,
    Pencil,
    Application,
};

QIcon PaintedIcon(IconId id);

} // namespace velmar
