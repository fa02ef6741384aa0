// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/controllers/history_controller.h"

#include "ui/main_window/main_window.h"

#include <QAction>

namespace velmar {

HistoryController::HistoryController(TForm1& window, PlaySession& session, QObject* parent)
    : QObject(parent) {
    const std::pair<Command, StepMove> moves[] = {{Command::FirstStep, StepMove::First},
                                                  {Command::BackStep, StepMove::Back},
                                                  {Command::NextStep, StepMove::Next},
                                                  {Command::LastStep, StepMove::Last}};
    for (const auto& [command, move] : moves)
        connect(window.action(command), &QAction::triggered, this,
                [&session, move] { session.GoStep(move); });
}

} // namespace velmar
