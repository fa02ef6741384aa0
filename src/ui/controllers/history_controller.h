// SPDX-License-Identifier: GPL-3.0-or-later
// The four step buttons (and their shortcuts) walk the session's step log.
#pragma once

#include <QObject>

namespace velmar {

class PlaySession;
class TForm1;

class HistoryController : public QObject {
    Q_OBJECT

  public:
    HistoryController(TForm1& window, PlaySession& session, QObject* parent);
};

} // namespace velmar
