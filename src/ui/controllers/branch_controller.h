// SPDX-License-Identifier: GPL-3.0-or-later
// The three branch buttons drive the session's branch; the window shows the
// branch state through their enabled states.
#pragma once

#include <QObject>

namespace velmar {

class PlaySession;
class TForm1;

class BranchController : public QObject {
    Q_OBJECT

  public:
    BranchController(TForm1& window, PlaySession& session, QObject* parent);
};

} // namespace velmar
