// SPDX-License-Identifier: GPL-3.0-or-later
// The board leaves the game: "Copy Puzzle To Clipboard" (the copy dialog,
// after the session fills empty cells), "Printable Board" (the print dialog,
// the page written to the temporary folder and opened by the system) and
// "Save as picture" (the board panel as shown, saved as JPEG, BMP or PNG).
#pragma once

#include "exchange/printable_page.h"

#include <QObject>
#include <QString>

#include <functional>

class QUrl;

namespace velmar {

class PlaySession;
class TForm1;
class Tfrmcopy;
class Tfrmprintselect;

class ExportController : public QObject {
    Q_OBJECT

  public:
    ExportController(TForm1& window, PlaySession& session, QObject* parent);

    void CopyPuzzle();
    void PrintableBoard();
    void SavePicture();
    // Writes the page for the board in play and opens it; the page's path, or
    // an empty text when it could not be written (the player is told why).
    QString PrintPage(PrintStyle style, PaperSize size);

    Tfrmcopy* copyDialog() const { return frmcopy_; }
    Tfrmprintselect* printDialog() const { return frmprintselect_; }

    // How a page is handed to the system's viewer; its answer is not shown.
    std::function<bool(const QUrl& page)> openPage;
    // The picture file the player chooses; empty when cancelled.
    std::function<QString()> choosePictureFile;

  private:
    QString AskPictureFile();

    TForm1& window_;
    PlaySession& session_;
    Tfrmcopy* frmcopy_ = nullptr;
    Tfrmprintselect* frmprintselect_ = nullptr;
};

} // namespace velmar
