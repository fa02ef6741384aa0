// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's construction: the controls at their classic places, the
// commands with their menus and tool bars, and the start-up sequence.
#include "ui/main_window/main_window.h"

#include "bank/puzzle_bank.h"
#include "model/random.h"
#include "ui/board/appearance_apply.h"
#include "ui/board/board_picture.h"
#include "ui/board/board_widget.h"
#include "ui/board/candidate_tile.h"
#include "ui/board/color_grid.h"
#include "ui/board/digit_counter.h"
#include "ui/controllers/branch_controller.h"
#include "ui/controllers/check_controller.h"
#include "ui/controllers/export_controller.h"
#include "ui/controllers/game_files_controller.h"
#include "ui/controllers/hint_controller.h"
#include "ui/controllers/history_controller.h"
#include "ui/controllers/import_controller.h"
#include "ui/controllers/keyboard_controller.h"
#include "ui/controllers/play_controller.h"
#include "ui/controllers/saved_games_controller.h"
#include "ui/dialogs/appearance_dialog.h"
#include "ui/dialogs/prompter.h"
#include "ui/dialogs/solution_viewers.h"
#include "ui/main_window/time_label.h"
#include "ui/platform/data_folder.h"
#include "ui/platform/file_opener.h"
#include "ui/platform/qt_settings_store.h"
#include "ui/platform/ui_text.h"

#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QRadioButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <variant>

namespace velmar {

namespace {

// Client-area geometry of the classic window.
constexpr int kTopBarHeight = 29;
constexpr QPoint kBoardFrameAt(6, 31);
constexpr int kPanelLeft = 476;
constexpr int kPanelWidth = 114;
constexpr int kBottomBarTop = 495;
constexpr int kBottomBarHeight = 26;

// The frame around the board with the row letters and column digits.
class BoardFrame : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        PaintBoardFrame(p, BoardPanelStyle::FromPalette(palette(), font()));
    }
};

QToolBar* MakeToolBar(QWidget* parent, const char* name, int iconSide) {
    auto* bar = new QToolBar(parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(iconSide, iconSide));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    bar->setContentsMargins(2, 0, 2, 0);
    return bar;
}

QString Name(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace

TForm1::TForm1(MainWindowServices services, QWidget* parent)
    : QMainWindow(parent), services_(std::move(services)),
      session_(services_.bank ? *services_.bank : PuzzleBank::builtIn(), Random::instance()) {
    prompter_ = services_.prompter;
    if (!prompter_) {
        ownPrompter_ = std::make_unique<MessageBoxPrompter>(this, active_);
        prompter_ = ownPrompter_.get();
    }
    store_ = services_.settings;
    if (!store_) {
        ownSettings_ = std::make_unique<QtSettingsStore>();
        store_ = ownSettings_.get();
    }
    setObjectName(QStringLiteral("Form1"));
    // A fixed single border: system menu, minimise and close only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(PaintedIcon(IconId::Application));
    BuildLayout();
    // The windows play opens, created once and hidden between uses.
    frmtile_ = new Tfrmtile(session_, this);
    frmda_ = new Tfrmda(this);
    Frmdas_ = new TFrmdas(this);
    frmAppearance_ = new TfrmAppearance(*store_, this);
    BuildCommands();
    BuildMenus();
    BuildToolBars();
    play_ = new PlayController(*this, session_, this);
    historyControl_ = new HistoryController(*this, session_, this);
    check_ = new CheckController(*this, session_, this);
    export_ = new ExportController(*this, session_, this);
    import_ = new ImportController(*this, session_, this);
    keyboard_ = new KeyboardController(*this, session_, this);
    gameFiles_ = new GameFilesController(*this, session_, this);
    savedGames_ = new SavedGamesController(*this, session_, this);
    fileOpener_ = new FileOpener(*this, session_, this);
    hints_ = new HintController(*this, session_, *store_, this);
    branches_ = new BranchController(*this, session_, this);
    MainWindowCreate();
}

TForm1::~TForm1() {
    // No key preview or tips while the widgets go.
    qApp->removeEventFilter(play_);
    qApp->removeEventFilter(keyboard_);
    session_.SetListener(nullptr);
}

Tfrmsolover* TForm1::hintDialog() const {
    return hints_->dialog();
}

void TForm1::BuildLayout() {
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client_);

    boardFrame_ = new BoardFrame(client_);
    boardFrame_->setGeometry(QRect(kBoardFrameAt, kBoardPanelSize));
    sd991_ = new TPICSD33(boardFrame_);
    sd991_->setObjectName(QStringLiteral("sd991"));
    sd991_->move(kBoardInPanel);
    sd991_->Show(session_.board());

    grpshowcandidates_ = new QGroupBox(client_);
    grpshowcandidates_->setObjectName(QStringLiteral("grpshowcandidates"));
    grpshowcandidates_->setGeometry(kPanelLeft, 29, kPanelWidth, 172);
    rb_none_ = new QRadioButton(grpshowcandidates_);
    rb_all_ = new QRadioButton(grpshowcandidates_);
    rb_one_ = new QRadioButton(grpshowcandidates_);
    const std::array<std::pair<QRadioButton*, const char*>, 3> radios = {
        {{rb_none_, "rb_none"}, {rb_all_, "rb_all"}, {rb_one_, "rb_one"}}};
    for (int i = 0; i < 3; ++i) {
        radios[i].first->setObjectName(QString::fromLatin1(radios[i].second));
        radios[i].first->setGeometry(5, 18 + i * 19, kPanelWidth - 7, 19);
    }
    rb_none_->setChecked(true);
    for (int d = 1; d <= 9; ++d) {
        auto* b = new QToolButton(grpshowcandidates_);
        b->setObjectName(QStringLiteral("disnote%1").arg(d));
        b->setCheckable(true);
        b->setGeometry(11 + ((d - 1) % 3) * 31, 82 + ((d - 1) / 3) * 28, 29, 26);
        QFont f = b->font();
        f.setBold(true);
        f.setPointSize(11);
        b->setFont(f);
        b->setContextMenuPolicy(Qt::PreventContextMenu);
        disnote_[d - 1] = b;
    }

    grpColorPanel_ = new QGroupBox(client_);
    grpColorPanel_->setObjectName(QStringLiteral("grpColorPanel"));
    grpColorPanel_->setGeometry(kPanelLeft, 203, kPanelWidth, 158);
    chkcolor_ = new QCheckBox(grpColorPanel_);
    chkcolor_->setObjectName(QStringLiteral("chkcolor"));
    chkcolor_->setGeometry(5, 18, kPanelWidth - 7, 19);
    colorgrid1_ = new TColorGrid(grpColorPanel_);
    colorgrid1_->setObjectName(QStringLiteral("colorgrid1"));
    colorgrid1_->setGeometry(13, 40, 88, 84);
    bt_clearcolor_ = new QToolButton(grpColorPanel_);
    bt_clearcolor_->setObjectName(QStringLiteral("bt_clearcolor"));
    bt_clearcolor_->setGeometry(8, 128, kPanelWidth - 16, 24);

    for (int d = 1; d <= 9; ++d) {
        auto* bar = new Tmousepb(client_);
        bar->setObjectName(QStringLiteral("ProgressBar%1").arg(d));
        bar->setGeometry(kPanelLeft + 3 + (d - 1) * 12, 366, 11, 126);
        counters_[d - 1] = bar;
    }

    topBar_ = MakeToolBar(client_, "ToolBar1", 20);
    topBar_->setGeometry(0, 0, kClientWidth, kTopBarHeight);
    bottomBar_ = MakeToolBar(client_, "ToolBar2", 18);
    bottomBar_->setGeometry(0, kBottomBarTop, kClientWidth, kBottomBarHeight);

    TimeLabel1_ = new TTimeLabel(topBar_);
    TimeLabel1_->setObjectName(QStringLiteral("TimeLabel1"));
    TimeLabel1_->setFixedSize(72, 21);
    TimeLabel1_->setTimeinterval(100);
    TimeLabel1_->setMS(0);
    ndtxt_ = new QLabel(topBar_);
    ndtxt_->setObjectName(QStringLiteral("ndtxt"));
    {
        QFont f = ndtxt_->font();
        f.setBold(true);
        ndtxt_->setFont(f);
    }
    cbautoupdate_ = new QCheckBox(bottomBar_);
    cbautoupdate_->setObjectName(QStringLiteral("cbautoupdate"));
    cbautoupdate_->setChecked(true);
    WC_Label_ = new QLabel(bottomBar_);
    WC_Label_->setObjectName(QStringLiteral("WC_Label"));
    // The finish label shows a badge rather than text of its own.
    WC_Label_->setPixmap(PaintedIcon(IconId::Accept).pixmap(QSize(18, 18), 2.0));
    WC_Label_->setContentsMargins(6, 0, 0, 0);

    sb1_ = new QStatusBar(client_);
    sb1_->setObjectName(QStringLiteral("sb1"));
    sb1_->setSizeGripEnabled(false);
    sb1_->setGeometry(0, kBottomBarTop + kBottomBarHeight, kClientWidth,
                      kClientHeight - kBottomBarTop - kBottomBarHeight);
    ClearTip();
}

void TForm1::BuildCommands() {
    for (const CommandEntry& entry : CommandTable()) {
        auto* a = new QAction(this);
        a->setObjectName(Name(entry.button.empty() ? entry.menu : entry.button));
        if (!entry.button.empty()) a->setIcon(PaintedIcon(entry.icon));
        QList<QKeySequence> keys;
        if (entry.standardKey != QKeySequence::UnknownKey)
            keys = QKeySequence::keyBindings(entry.standardKey);
        if (!entry.shortcut.empty() && !keys.contains(QKeySequence(Name(entry.shortcut))))
            keys << QKeySequence(Name(entry.shortcut));
        a->setShortcuts(keys);
        a->setEnabled(entry.ready);
        connect(a, &QAction::hovered, this, [this, a] { ShowTip(a->toolTip()); });
        actions_.push_back(a);
        if (!entry.button.empty())
            toolButtons_.push_back({AsciiLower(entry.button), a, !entry.menu.empty()});
    }
}

void TForm1::BuildMenus() {
    QMenuBar* bar = menuBar();
    auto addMenu = [&](const char* name) {
        QMenu* m = bar->addMenu(QString());
        m->setObjectName(QString::fromLatin1(name));
        menuItems_.emplace_back(AsciiLower(name), m->menuAction());
        menus_.push_back(m);
        return m;
    };
    // A menu's entries: commands, and separators by their names.
    using Entry = std::variant<Command, const char*>;
    auto fill = [&](QMenu* m, std::initializer_list<Entry> entries) {
        for (const Entry& e : entries) {
            if (const auto* separator = std::get_if<const char*>(&e)) {
                m->addSeparator()->setObjectName(QString::fromLatin1(*separator));
                continue;
            }
            const Command c = std::get<Command>(e);
            m->addAction(action(c));
            // The New Game menu repeats the game list, which is labelled once.
            if (m->objectName() != QLatin1String("mnNewGame") || c != Command::GameList)
                menuItems_.emplace_back(AsciiLower(CommandTable()[static_cast<size_t>(c)].menu),
                                        action(c));
        }
    };
    using C = Command;
    fill(addMenu("mnFile"), {C::SaveBoard, C::GameList, C::PrintableBoard, C::Import,
                             C::PastePuzzle, "N1", C::ContinueGame, "N2", C::Exit});
    fill(addMenu("mnNewGame"),
         {C::VeryEasy, C::Gentle, C::Moderate, C::Tough, C::Diabolical, "N3", C::GameList});
    QMenu* tools = addMenu("mnTools");
    fill(tools, {C::Appearance, "N4", C::SaveReplay, C::LoadReplay, "N5", C::CopyPuzzle, "N19",
                 C::ExportTexts});
    QMenu* language = tools->addMenu(QString());
    language->setObjectName(QStringLiteral("mnLanguage"));
    menuItems_.emplace_back("mnlanguage", language->menuAction());
    auto* choice = new QActionGroup(this);
    const std::array<const char*, 3> names = {"mnEnglish", "mnChinese", "mnJapanese"};
    for (size_t i = 0; i < kLanguages.size(); ++i) {
        QAction* a = language->addAction(QString());
        a->setObjectName(QString::fromLatin1(names[i]));
        a->setCheckable(true);
        a->setChecked(kLanguages[i] == Language::English);
        choice->addAction(a);
        const Language lang = kLanguages[i];
        connect(a, &QAction::triggered, this, [this, lang] { LoadLanguage(lang); });
        languageItems_.emplace_back(AsciiLower(names[i]), a);
        menuItems_.emplace_back(AsciiLower(names[i]), a);
    }

    fill(addMenu("mnOptions"), {C::AdvancedTechniques});
    fill(addMenu("mnHelp"), {C::Contents, "N9", C::About});
}

void TForm1::BuildToolBars() {
    auto add = [](QToolBar* bar, QAction* a) {
        bar->addAction(a);
        if (auto* b = qobject_cast<QToolButton*>(bar->widgetForAction(a)))
            b->setObjectName(a->objectName());
    };
    for (Command c :
         {Command::GameList, Command::SaveBoard, Command::PrintableBoard, Command::Import})
        add(topBar_, action(c));
    topBar_->addSeparator();
    for (Command c : {Command::VeryEasy, Command::Gentle, Command::Moderate, Command::Tough,
                      Command::Diabolical})
        add(topBar_, action(c));
    topBar_->addSeparator();
    topBar_->addWidget(TimeLabel1_);
    topBar_->addSeparator();
    for (Command c :
         {Command::Restart, Command::ShowSolution, Command::CopyPuzzle, Command::SavePicture})
        add(topBar_, action(c));
    topBar_->addWidget(ndtxt_);

    bottomBar_->addWidget(cbautoupdate_);
    add(bottomBar_, action(Command::CheckError));
    add(bottomBar_, action(Command::ShowHint));
    bottomBar_->addSeparator();
    for (Command c : {Command::StartBranch, Command::AcceptBranch, Command::RejectBranch})
        add(bottomBar_, action(c));
    bottomBar_->addSeparator();
    for (Command c : {Command::FirstStep, Command::BackStep, Command::NextStep, Command::LastStep,
                      Command::PencilMode})
        add(bottomBar_, action(c));
    // A widget on a tool bar is shown and hidden through its tool bar action.
    wcLabelAction_ = bottomBar_->addWidget(WC_Label_);
}

void TForm1::MainWindowCreate() {
    // The settings first: they colour the board.
    LoadSettings(settings_, *store_);
    ApplyStoredAppearance(session_, settings_, *store_);
    // The English table labels the whole window.
    LoadLanguage(Language::English);
    setWindowTitle(QString::fromUtf8(kApplicationTitle));
    // The data folder and its replay folder; the program works inside it.
    dataFolder_ = services_.dataFolder.isEmpty() ? DataFolder() : services_.dataFolder;
    if (!dataFolder_.endsWith(QLatin1Char('/'))) dataFolder_ += QLatin1Char('/');
    if (!EnsureDataFolder(dataFolder_)) {
        // Said once the window is up; the game plays on without saving.
        QTimer::singleShot(0, this, [this] {
            prompter_->warn(
                Severity::Warning, LookupText("msg_title_warning"),
                LookupText("msg_datafolder_failed")
                    .replace(QStringLiteral("%1"), QDir::toNativeSeparators(dataFolder_)));
        });
    }
    QDir::setCurrent(dataFolder_);
    // The window's own commands; the controllers connected theirs.
    connect(action(Command::ExportTexts), &QAction::triggered, this,
            &TForm1::ExportTextsToDataFolder);
    connect(action(Command::Contents), &QAction::triggered, this, &TForm1::ShowContents);
    connect(action(Command::About), &QAction::triggered, this, &TForm1::ShowAbout);
    connect(action(Command::Appearance), &QAction::triggered, this, &TForm1::ShowAppearance);
    connect(action(Command::Exit), &QAction::triggered, this, &TForm1::close);
    // Marking starts with colour 11 of the grid.
    colorgrid1_->setForegroundIndex(11);
    session_.SetMarkColour(colorgrid1_->foregroundColor());
    // Everything the widgets show comes from the session from now on.
    session_.SetListener(this);
    SessionChanged(~0u);
    TimeLabel1_->setMS(0);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TForm1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) play_->WindowActivated();
    QMainWindow::changeEvent(event);
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (history.writeLastGame) history.writeLastGame();
    QMainWindow::closeEvent(event);
}

void TForm1::ShowTip(const QString& text) {
    // A style sheet, not the palette: a style sheet on the window or the
    // status bar would override a palette colour.
    // The tip's own light colour takes dark text also on a dark desktop.
    const QString colours =
        text.isEmpty()
            ? QStringLiteral("background-color: palette(button);")
            : QStringLiteral("background-color: %1; color: black;").arg(ToQColor(7978239).name());
    const QString sheet =
        QStringLiteral("QStatusBar { border-top: 1px solid palette(mid); %1 }").arg(colours);
    if (sb1_->styleSheet() != sheet) sb1_->setStyleSheet(sheet);
    if (text.isEmpty())
        sb1_->clearMessage();
    else
        sb1_->showMessage(text);
}

} // namespace velmar
