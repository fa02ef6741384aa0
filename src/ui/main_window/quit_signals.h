// SPDX-License-Identifier: GPL-3.0-or-later
// SIGTERM, SIGINT and SIGHUP end the game through its event loop, as a
// logout does, so everything that runs at quit (the last game written) runs.
#pragma once

namespace velmar {

// Call once, after the application object exists.
void QuitOnTerminationSignals();

} // namespace velmar
