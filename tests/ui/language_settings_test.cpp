// SPDX-License-Identifier: GPL-3.0-or-later
// Languages and settings in the window: the tables carried as resources,
// LookupText's case rules and gaps, re-labelling on a language change, the
// translator's export, and the settings store over QSettings.
#include "ui/board/appearance_apply.h"
#include "ui/board/board_widget.h"
#include "ui/platform/qt_settings_store.h"
#include "ui/platform/ui_text.h"
#include "ui_test_support.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSettings>
#include <QTest>

using namespace velmar;
using namespace velmar::test;

class LanguageSettingsTest : public QObject {
    Q_OBJECT

  private slots:
    void tablesAreCarriedWhole() {
        QCOMPARE(LanguageTable(Language::English).Size(), size_t{300});
        QCOMPARE(LanguageTable(Language::Chinese).Size(), size_t{300});
        QCOMPARE(LanguageTable(Language::Japanese).Size(), size_t{284});
        QCOMPARE(LanguageTable(Language::Chinese).Keys(), LanguageTable(Language::English).Keys());
    }

    void lookupIgnoresCaseAndKeepsTheValue() {
        WindowFixture f;
        const QString restart =
            QStringLiteral("Are you sure you want to reset this game to the initial state?");
        QCOMPARE(f.window->LookupText("msg_restart"), restart);
        QCOMPARE(f.window->LookupText("MSG_RESTART"), restart);
        QCOMPARE(f.window->LookupText("Msg_Restart"), restart);
        QCOMPARE(f.window->LookupText("msg_ndtxt_tough"), QStringLiteral("  Level:Tough"));
        QVERIFY(f.window->LookupText("no_such_key").isEmpty());
    }

    void japaneseRelabelsAndLeavesItsGapsEmpty() {
        WindowFixture f;
        TForm1& w = *f.window;
        w.NewGame(3);
        w.LoadLanguage(Language::Japanese);
        QCOMPARE(w.ActiveLanguage(), Language::Japanese);
        QVERIFY(w.LookupText("frmsolover.thinking").isEmpty());
        QVERIFY(w.LookupText("bthelp1.hint").isEmpty());
        QVERIFY(w.action(Command::SavePicture)->toolTip().isEmpty());
        QVERIFY(!w.LookupText("btpaste.hint").isEmpty());
        // Blanks around a menu caption go; the level caption keeps its own.
        const QString newGame = w.menuBar()->actions().at(1)->text();
        QCOMPARE(newGame, w.LookupText("mnnewgame.caption").trimmed());
        QVERIFY(newGame != w.LookupText("mnnewgame.caption"));
        QCOMPARE(w.levelLabel()->text(), w.LookupText("msg_ndtxt_tough"));
        QVERIFY(w.levelLabel()->text().startsWith(QStringLiteral("  ")));
        QCOMPARE(w.modeButton(OperationMode::PencilAndPaper)->text(),
                 w.LookupText("rb_none.caption"));

        w.LoadLanguage(Language::Chinese);
        QCOMPARE(w.action(Command::SavePicture)->toolTip(), w.LookupText("btsavepic.hint"));
        QVERIFY(!w.action(Command::SavePicture)->toolTip().isEmpty());
        w.LoadLanguage(Language::English);
        QCOMPARE(w.levelLabel()->text(), QStringLiteral("  Level:Tough"));
        QCOMPARE(w.font().family(), QStringLiteral("Arial"));
        QCOMPARE(w.font().pointSize(), 8);
    }

    void exportWritesTheTableAndTheWindowTexts() {
        WindowFixture f;
        QVERIFY(f.window->ExportTextsToDataFolder());
        QFile file(f.window->dataFolder() + QStringLiteral("all.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY(text.startsWith(QStringLiteral("mnfile.caption=&File\r\n")));
        QVERIFY(text.contains(QStringLiteral("btcreategentle.hint=Create Sudoku:Gentle\r\n")));
        QCOMPARE(f.prompter.told.size(), 1);
        QVERIFY(f.prompter.told.at(0).contains(file.fileName()));
    }

    void settingsOverQSettings() {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("velmar.ini"));
        {
            // A first start writes the nine defaults.
            QtSettingsStore store(ini);
            QVERIFY(!store.HasKey(kSettingsKeyPath));
            Settings s;
            LoadSettings(s, store);
            QVERIFY(store.HasKey(kSettingsKeyPath));
            QCOMPARE(store.ReadString(kSettingsKeyPath, "reg_HighLight_color"), "65535");
            QCOMPARE(store.ReadString(kSettingsKeyPath, "reg_Board_color1"), "13891060");
            QCOMPARE(s.reg_board_background_use_default, "1");
        }
        {
            // The values live under SOFTWARE/Velmar with their own names, as text.
            QSettings raw(ini, QSettings::IniFormat);
            QCOMPARE(raw.value(QStringLiteral("SOFTWARE/Velmar/reg_Font_color_Big")).toString(),
                     QStringLiteral("16711680"));
            raw.clear();
            raw.setValue(QStringLiteral("SOFTWARE/Velmar/reg_Board_color1"), QStringLiteral("255"));
        }
        {
            // A key without the background flag is repaired to all nine defaults.
            QtSettingsStore store(ini);
            Settings s;
            LoadSettings(s, store);
            QCOMPARE(s.reg_Board_color1, "13891060");
            QCOMPARE(store.ReadString(kSettingsKeyPath, "reg_Font_use_default"), "1");
        }
    }

    void damagedSettingsFileIsRepairedAtOneStart() {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("velmar.ini"));
        QFile damaged(ini);
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("[SOFTWARE]\nVelmar\\reg_board_background_use_default=1\n"
                      "Velmar\\reg_Board_color1=4294967295\njunk\n[Other\nx=\x01\n");
        damaged.close();
        {
            QtSettingsStore store(ini);
            Settings s;
            LoadSettings(s, store);
            Random random(1);
            PlaySession session(TestBank(), random);
            ApplyStoredAppearance(session, s, store);
        }
        // All nine defaults, in a file QSettings reads without complaint.
        QSettings raw(ini, QSettings::IniFormat);
        QCOMPARE(raw.status(), QSettings::NoError);
        QCOMPARE(raw.allKeys().size(), 9);
        for (const SettingValue& value : SettingValues())
            QCOMPARE(raw.value(QStringLiteral("SOFTWARE/Velmar/") + QLatin1String(value.name))
                         .toString()
                         .toStdString(),
                     std::string(value.defaultText));
    }

    void storedColoursReachTheBoard() {
        MemorySettingsStore store;
        Settings s;
        SetDefaultSettings(s);
        s.reg_board_background_use_default = std::string("0");
        s.reg_Board_color1 = std::string("255");
        s.reg_HighLight_use_default = std::string("0");
        s.reg_HighLight_color = std::string("32768");
        Random random(1);
        PlaySession session(TestBank(), random);
        const BoardDisplay& board = session.board();
        ApplyStoredAppearance(session, s, store);
        QCOMPARE(board.properties().UNFoucsColor1, TColor{255});
        QCOMPARE(board.properties().UNFoucsColor2, TColor{13891060});
        QCOMPARE(board.properties().highcolor, TColor{32768});
        QCOMPARE(board.properties().FONTColor2, TColor{0xFF0000});
        QCOMPARE(board.CellColor(1, 1), TColor{255});

        // A colour that is not a number brings back and stores every default.
        s.reg_Font_color_Big = std::string("blue");
        ApplyStoredAppearance(session, s, store);
        QCOMPARE(s.reg_Font_color_Big, "16711680");
        QCOMPARE(s.reg_board_background_use_default, "1");
        QCOMPARE(store.ReadString(kSettingsKeyPath, "reg_Font_color_Big"), "16711680");
        QCOMPARE(board.properties().UNFoucsColor1, TColor{0xFFFFFF});
    }

    void aboutAndContentsGoThroughThePrompter() {
        WindowFixture f;
        f.window->action(Command::About)->trigger();
        QCOMPARE(f.prompter.told.size(), 1);
        QCOMPARE(f.prompter.told.at(0),
                 QStringLiteral("About Velmar|Sudoku Velmar\nVersion 5.0\nLicence: GNU General "
                                "Public License, version 3 or later\nhttps://example.org/velmar/"));
        // Commands of later windows are there but cannot be chosen yet.
        QVERIFY(f.window->action(Command::Appearance)->isEnabled());
    }
};

QTEST_MAIN(LanguageSettingsTest)
#include "language_settings_test.moc"
