// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/controllers/check_controller.h"

#include "ui/dialogs/prompter.h"
#include "ui/dialogs/solution_viewers.h"
#include "ui/main_window/main_window.h"

#include <QAction>
#include <QRadioButton>

namespace velmar {

CheckController::CheckController(TForm1& window, PlaySession& session, QObject* parent)
    : QObject(parent), window_(window), session_(session) {
    connect(window.action(Command::CheckError), &QAction::triggered, this,
            [this] { session_.CheckError(); });
    connect(window.action(Command::ShowSolution), &QAction::triggered, this,
            &CheckController::ShowSolution);
    connect(window.action(Command::Restart), &QAction::triggered, this, [this] {
        if (session_.RestartGame()) window_.modeButton(OperationMode::PencilAndPaper)->setFocus();
    });
}

void CheckController::ShowSolution() {
    if (!session_.gameLoaded()) return;
    Prompter& prompter = window_.prompter();
    if (!prompter.askYesNo(window_.LookupText("msg_title_confirm"),
                           window_.LookupText("msg_solve")))
        return;
    // The main board is not changed; the game goes on.
    const SolutionReport report = session_.FindSolution();
    const StringTable& texts = window_.ActiveTable();
    switch (report.kind) {
    case SolutionReport::Known:
    case SolutionReport::One: {
        Tfrmda* viewer = window_.solutionViewer();
        viewer->Relabel(texts);
        viewer->Fill(session_.board(), report.first);
        viewer->exec();
        break;
    }
    case SolutionReport::None:
        prompter.warn(Severity::Warning, window_.LookupText("msg_title_warning"),
                      window_.LookupText("msg_nosolve"));
        break;
    case SolutionReport::Several: {
        prompter.inform(window_.LookupText("msg_title_information"),
                        window_.LookupText("msg_twosolve"));
        TFrmdas* viewer = window_.solutionsViewer();
        viewer->Relabel(texts);
        viewer->Fill(texts, report.first, report.second);
        viewer->exec();
        break;
    }
    }
}

} // namespace velmar
