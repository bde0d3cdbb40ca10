// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"

#include "aboutbox.h"
#include "accesskeybutton.h"
#include "calltables.h"
#include "configuredialog.h"
#include "designfonts.h"
#include "gamelog.h"
#include "gamesequencer.h"
#include "gamewords.h"
#include "helplauncher.h"
#include "soundplayer.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSessionManager>
#include <QSvgRenderer>
#include <QWindow>

#include <cmath>

using namespace Qt::StringLiterals;

const Rgb MainWindow::DesktopColour{58, 110, 165};

namespace {

QColor toColor(Rgb rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

void setTextColour(QWidget *widget, Rgb rgb)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, toColor(rgb));
    widget->setPalette(palette);
}

// The board names its corners: in the language's own picture where there is one. `kind` is
// "png" for the designed window's picture, "svg" for its vector source.
QString boardPicture(QStringView kind)
{
    const QString language = QLocale().name().section(u'_', 0, 0);
    const QString translated = u":/pictures/board-%1.%2"_s.arg(language, kind);
    return QFile::exists(translated) ? translated : u":/pictures/board.%1"_s.arg(kind);
}

// The designed window's layout, in pixels.
constexpr int BoardSide = 413;
constexpr QRect StartRect = twipsRect(2520, 1560, 1335, 615);
constexpr QRect StopRect = twipsRect(2520, 3960, 1335, 615);
constexpr QRect DisplayRect = twipsRect(960, 3000, 4695, 615);
constexpr QRect StatusRect = twipsRect(960, 2280, 4695, 615);
constexpr qreal LabelPoints = 15.75;

// In full screen a call's capitals stand at least this share of the screen's height, with a
// little to spare for rounding, and the status at half of it.
constexpr qreal CallCapShare = 1.0 / 12.0 * 1.04;
constexpr qreal StatusCapShare = CallCapShare / 2.0;
// What a call may take of the screen's width, leaving a margin at each side.
constexpr qreal CallWidthShare = 0.94;

// A font of the label face whose capital letters are `cap` pixels tall.
QFont fontWithCapHeight(qreal cap)
{
    QFont font = designFont(u"Comic Sans MS"_s, LabelPoints);
    font.setPixelSize(1000);
    const qreal ratio = QFontMetricsF(font).capHeight() / 1000.0;
    font.setPixelSize(int(std::ceil(cap / (ratio > 0 ? ratio : 0.7))));
    return font;
}

// The board from its vector source at the screen's own pixels, so a large screen gets a sharp
// picture rather than the small one blown up.
QPixmap renderBoard(int side, qreal pixelRatio)
{
    const int pixels = int(std::lround(side * pixelRatio));
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QSvgRenderer renderer(boardPicture(u"svg"));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, pixels, pixels));
    painter.end();
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(pixelRatio);
    return pixmap;
}

} // namespace

MainWindow::MainWindow(GameClock &clock, RandomSource &random, SoundPlayer &sounds,
                       const HelpLauncher &help, const QString &callSoundFolder, QWidget *parent)
    : QMainWindow(parent)
    , m_sounds(sounds)
    , m_help(help)
    , m_callSoundFolder(callSoundFolder)
{
    setObjectName(u"frmMain"_s);
    //: The program's name, in the title bar.
    setWindowTitle(tr("Limbora"));
    // A fixed frame: minimize and close, no maximize.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    createControls();
    createMenus();

    // The window loads (placement, buttons) before the rest of its state is set up.
    Form_Load();
    showStatus(GameStatus::Blank); // the design's caption never shows
    // A word the language's folder can't play is said in English.
    m_sounds.setCallFolders({m_callSoundFolder, QString()});
    m_sounds.preload(QStringList{u"About.wav"_s, u"hid.wav"_s} + callSounds());
    m_sequencer = new GameSequencer(
        clock, random,
        [this](const QString &name, std::function<void()> finished) {
            m_sounds.playAndWait(name, std::move(finished));
        },
        DesktopColour, this);
    m_sequencer->setStopSound([this](const QString &name) { m_sounds.stop(name); });

    connect(m_sequencer, &GameSequencer::statusChanged, this, &MainWindow::showStatus);
    connect(m_sequencer, &GameSequencer::displayChanged, this, &MainWindow::showDisplay);
    connect(m_sequencer, &GameSequencer::buttonsChanged, this, [this](bool start, bool stop) {
        cmdStart->setEnabled(start);
        cmdStop->setEnabled(stop);
        mnuGameStart->setEnabled(start);
        mnuGameStop->setEnabled(stop);
    });
    applySettings(readGameSettings());
    // Logging out: keep the placement even if the session ends us without a close.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { writeSettings(); });
}

MainWindow::~MainWindow() = default;

void MainWindow::createControls()
{
    auto *client = new QWidget(this);
    setCentralWidget(client);

    // First child, so lowest: the board shows at its natural size behind everything.
    auto *board = new QLabel(client);
    imgBoard = board;
    board->setPixmap(QPixmap(boardPicture(u"png")));
    board->setGeometry(QRect(QPoint(0, 0), board->pixmap().size()));
    board->setAlignment(Qt::AlignCenter);

    const auto makeButton = [client](const QString &name, const QString &caption, int top) {
        auto *button = new AccessKeyButton(caption, client);
        button->setObjectName(name);
        button->setGeometry(twipsRect(2520, top, 1335, 615));
        button->setAutoDefault(true); // Enter presses the focused button
        return button;
    };
    //: Starts a game. Start and Stop share their access key (&) in English, so that one key
    //: starts and stops; keep one letter for both where your language allows.
    cmdStart = makeButton(u"cmdStart"_s, tr("&START"), 1560);
    //: Stops the game. See the comment on "&START" for the access key.
    cmdStop = makeButton(u"cmdStop"_s, tr("&STOP!"), 3960);
    cmdStart->setDefault(true);
    m_buttonFont = cmdStart->font();

    const QFont labelFont = designFont(u"Comic Sans MS"_s, 15.75);
    const auto makeLabel = [&](const QString &name, const QString &caption, int top) {
        auto *label = new QLabel(caption, client);
        label->setObjectName(name);
        label->setGeometry(twipsRect(960, top, 4695, 615));
        label->setAlignment(Qt::AlignCenter);
        label->setFont(labelFont);
        setTextColour(label, DesktopColour);
        return label;
    };
    lblDisplay = makeLabel(u"lblDisplay"_s, QString(), 3000);
    // The design's caption, cleared before the window first shows: never seen, not translated.
    lblStatus = makeLabel(u"lblStatus"_s, u"status goes here"_s, 2280);
    lblDisplay->setAccessibleName(displayPurpose());
    //: For screen readers: what the call label shows.
    lblDisplay->setAccessibleDescription(tr("The current call: a limb, then its colour"));
    //: For screen readers: what the status label shows.
    lblStatus->setAccessibleDescription(tr("Where the game stands"));
    //: For screen readers: what the Start button does.
    cmdStart->setAccessibleDescription(tr("Start a game: calls begin after ten seconds"));
    //: For screen readers: what the Stop button does.
    cmdStop->setAccessibleDescription(tr("Stop the game"));
    //: For screen readers: the picture behind the buttons.
    board->setAccessibleName(tr("Game board"));

    client->installEventFilter(this); // full screen lays out again whenever the client resizes
    setTabOrder(cmdStart, cmdStop);
    cmdStart->setFocus();
    connect(cmdStart, &QPushButton::clicked, this, &MainWindow::cmdStart_Click);
    connect(cmdStop, &QPushButton::clicked, this, &MainWindow::cmdStop_Click);
}

void MainWindow::createMenus()
{
    QMenu *mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName(u"mnuFile"_s);
    QAction *mnuFileExit = mnuFile->addAction(tr("E&xit"));
    mnuFileExit->setObjectName(u"mnuFileExit"_s);
    connect(mnuFileExit, &QAction::triggered, this, &MainWindow::mnuFileExit_Click);

    // Game and Settings use access keys that neither the other menus nor the window's Alt+S take.
    QMenu *mnuGame = menuBar()->addMenu(tr("&Game"));
    mnuGame->setObjectName(u"mnuGame"_s);
    // A presentation remote sends Page Down and F5 (or Shift+F5) to go on, Page Up and B (or
    // period) to blank the screen.
    mnuGameStart = mnuGame->addAction(tr("&Start Game"));
    mnuGameStart->setObjectName(u"mnuGameStart"_s);
    mnuGameStart->setShortcuts({QKeySequence(Qt::Key_F5), QKeySequence(Qt::Key_PageDown),
                                QKeySequence(Qt::SHIFT | Qt::Key_F5)});
    mnuGameStop = mnuGame->addAction(tr("S&top Game"));
    mnuGameStop->setObjectName(u"mnuGameStop"_s);
    mnuGameStop->setShortcuts(
        {QKeySequence(Qt::Key_PageUp), QKeySequence(Qt::Key_B), QKeySequence(Qt::Key_Period)});
    mnuGameStop->setEnabled(false);
    QAction *mnuGameRepeat = mnuGame->addAction(tr("&Repeat Call"));
    mnuGameRepeat->setObjectName(u"mnuGameRepeat"_s);
    mnuGameRepeat->setShortcut(QKeySequence(Qt::Key_R));
    connect(mnuGameStart, &QAction::triggered, this, &MainWindow::cmdStart_Click);
    connect(mnuGameStop, &QAction::triggered, this, &MainWindow::cmdStop_Click);
    connect(mnuGameRepeat, &QAction::triggered, this, [this] { m_sequencer->repeatCall(); });

    QMenu *mnuSettings = menuBar()->addMenu(tr("Se&ttings"));
    mnuSettings->setObjectName(u"mnuSettings"_s);
    mnuSettingsFullScreen = mnuSettings->addAction(tr("&Full Screen Mode"));
    mnuSettingsFullScreen->setObjectName(u"mnuSettingsFullScreen"_s);
    mnuSettingsFullScreen->setCheckable(true);
    mnuSettingsFullScreen->setShortcuts(
        {QKeySequence(Qt::Key_F11), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F)});
    QAction *mnuSettingsConfigure = mnuSettings->addAction(tr("&Configure Limbora…"));
    mnuSettingsConfigure->setObjectName(u"mnuSettingsConfigure"_s);
    mnuSettingsConfigure->setMenuRole(QAction::PreferencesRole);
    connect(mnuSettingsFullScreen, &QAction::toggled, this, &MainWindow::setFullScreen);
    connect(mnuSettingsConfigure, &QAction::triggered, this,
            &MainWindow::mnuSettingsConfigure_Click);
    // The menu bar hides in full screen; the window itself keeps the shortcuts alive, and a
    // right click there offers what a host needs without it.
    addActions({mnuGameStart, mnuGameStop, mnuGameRepeat, mnuSettingsFullScreen});
    centralWidget()->addActions({mnuGameRepeat, mnuSettingsFullScreen, mnuSettingsConfigure});

    QMenu *mnuHelp = menuBar()->addMenu(tr("&Help"));
    mnuHelp->setObjectName(u"mnuHelp"_s);
    //: Opens the help page. The About box names this item as Help-->Contents.
    QAction *mnuHelpContents = mnuHelp->addAction(tr("&Contents"));
    mnuHelpContents->setObjectName(u"mnuHelpContents"_s);
    QAction *mnuHelpAbout = mnuHelp->addAction(tr("&About Limbora"));
    mnuHelpAbout->setObjectName(u"mnuHelpAbout"_s);
    connect(mnuHelpContents, &QAction::triggered, this, &MainWindow::mnuHelpContents_Click);
    connect(mnuHelpAbout, &QAction::triggered, this, &MainWindow::mnuHelpAbout_Click);
}

void MainWindow::Form_Load()
{
    readSettings();
    cmdStop->setEnabled(false);
}

void MainWindow::readSettings()
{
    QList<QRect> screens;
    QSize largest(0, 0);
    for (const QScreen *screen : QGuiApplication::screens()) {
        screens << screen->availableGeometry();
        largest = largest.expandedTo(screen->availableGeometry().size());
    }
    // Never so small that the buttons are cut off, nor larger than the largest screen.
    const QSize smallest(cmdStart->geometry().right() + 1,
                         cmdStop->geometry().bottom() + 1 + menuBar()->sizeHint().height());
    const QRect frame = keepOnScreen(
        m_placement.restore(smallest, screens.isEmpty() ? QSize() : largest), screens);
    m_frameSize = frame.size();
    m_windowedFrame = frame;
    move(frame.topLeft()); // before the first show this places the frame's corner
    fitClientToFrame();
}

// The placement gives the outer size; the client is what the frame leaves of it. The frame is
// known only once the window manager has framed the window, so this runs again then.
void MainWindow::fitClientToFrame()
{
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    setFixedSize(m_frameSize.shrunkBy(frame).expandedTo(QSize(1, 1)));
}

void MainWindow::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    if (!m_frameFitted && windowHandle() && !windowHandle()->frameMargins().isNull()) {
        m_frameFitted = true;
        fitClientToFrame();
    }
}

void MainWindow::writeSettings()
{
    if (isMinimized()) {
        return; // the placement of the last normal closing stays
    }
    if (m_fullScreen) {
        m_placement.save(m_windowedFrame);
        return;
    }
    m_placement.save(windowHandle() ? windowHandle()->frameGeometry() : frameGeometry());
}

void MainWindow::setFullScreen(bool on)
{
    if (on != m_fullScreen) {
        if (on) {
            if (isVisible() && windowHandle()) {
                m_windowedFrame = windowHandle()->frameGeometry();
                m_windowedClientSize = size();
            }
            m_fullScreen = true;
            menuBar()->hide();
            setMinimumSize(0, 0);
            setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
            showFullScreen();
            // Without a window manager nobody else makes the window cover the screen.
            setGeometry(screen()->geometry());
            layoutFullScreen();
        } else {
            m_fullScreen = false;
            // A window shown before keeps its client; only one never framed is fitted later.
            m_frameFitted = m_frameFitted || m_windowedClientSize.isValid();
            showNormal();
            menuBar()->show();
            // The frame's margins are the full screen's until the window manager frames the
            // window again, so the client takes the size it had, when it had one.
            if (m_windowedClientSize.isValid()) {
                setFixedSize(m_windowedClientSize);
            } else {
                fitClientToFrame();
            }
            move(m_windowedFrame.topLeft());
            layoutDesigned();
        }
    }
    const QSignalBlocker blocker(mnuSettingsFullScreen);
    mnuSettingsFullScreen->setChecked(on);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (m_fullScreen && watched == centralWidget() && event->type() == QEvent::Resize) {
        layoutFullScreen();
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::layoutDesigned()
{
    centralWidget()->setAutoFillBackground(false);
    centralWidget()->setContextMenuPolicy(Qt::DefaultContextMenu);
    imgBoard->setPixmap(QPixmap(boardPicture(u"png")));
    imgBoard->setGeometry(0, 0, BoardSide, BoardSide);
    cmdStart->setGeometry(StartRect);
    cmdStop->setGeometry(StopRect);
    cmdStart->setFont(QFont()); // back to the inherited font
    cmdStop->setFont(QFont());
    const QFont labelFont = designFont(u"Comic Sans MS"_s, LabelPoints);
    lblDisplay->setGeometry(DisplayRect);
    lblStatus->setGeometry(StatusRect);
    lblDisplay->setAutoFillBackground(false);
    for (QLabel *label : {lblDisplay, lblStatus}) {
        label->setFont(labelFont);
        label->setAlignment(Qt::AlignCenter);
    }
    lblDisplay->setText(m_displayText);
}

// The board fills the screen's height (or width, if narrower), centred, and everything is placed
// by it; the call's capitals are a twelfth of the screen's height, on one line if every call fits,
// else limb above colour.
void MainWindow::layoutFullScreen()
{
    QWidget *client = centralWidget();
    const QSize area = client->size();
    const int side = std::min(area.width(), area.height());
    if (side <= 0) {
        return;
    }
    QPalette background = client->palette();
    background.setColor(QPalette::Window, Qt::white); // the board's own ground, edge to edge
    client->setPalette(background);
    client->setAutoFillBackground(true);
    client->setContextMenuPolicy(Qt::ActionsContextMenu);

    const QPoint origin((area.width() - side) / 2, (area.height() - side) / 2);
    const QRect boardRect(origin, QSize(side, side));
    if (imgBoard->geometry() != boardRect
        || imgBoard->pixmap().devicePixelRatio() != devicePixelRatioF()
        || imgBoard->pixmap().deviceIndependentSize().toSize() != boardRect.size()) {
        imgBoard->setPixmap(renderBoard(side, devicePixelRatioF()));
        imgBoard->setGeometry(boardRect);
    }

    const auto band = [&](qreal top, qreal height) {
        return QRect(0, origin.y() + int(side * top), area.width(), int(side * height));
    };
    const qreal factor = qreal(side) / BoardSide;
    const QSize buttonSize(int(std::lround(StartRect.width() * factor)),
                           int(std::lround(StartRect.height() * factor)));
    const auto placeButton = [&](QPushButton *button, qreal top) {
        button->setGeometry(
            QRect(QPoint((area.width() - buttonSize.width()) / 2, origin.y() + int(side * top)),
                  buttonSize));
        QFont font = m_buttonFont;
        if (font.pointSizeF() > 0) {
            font.setPointSizeF(font.pointSizeF() * factor);
        } else {
            font.setPixelSize(int(std::lround(font.pixelSize() * factor)));
        }
        button->setFont(font);
    };
    placeButton(cmdStart, 0.06);
    placeButton(cmdStop, 0.82);

    lblStatus->setFont(fontWithCapHeight(side * StatusCapShare));
    lblStatus->setGeometry(band(0.19, 0.11));

    m_callWidth = int(area.width() * CallWidthShare);
    QFont callFont = fontWithCapHeight(area.height() * CallCapShare);
    int widestLine = 0;
    int widestPart = 0;
    const QFontMetrics metrics(callFont);
    for (qint16 l = DrawLower; l <= DrawUpper; ++l) {
        for (qint16 c = DrawLower; c <= DrawUpper; ++c) {
            const QString limbText = GameWords::limb(l).trimmed();
            const QString colourWord = GameWords::colour(c);
            widestLine = std::max(widestLine,
                                  metrics.horizontalAdvance(GameWords::call(limbText, colourWord)));
            widestPart = std::max({widestPart, metrics.horizontalAdvance(limbText),
                                   metrics.horizontalAdvance(colourWord)});
        }
    }
    const bool twoLines = widestLine > m_callWidth;
    if (twoLines && widestPart > m_callWidth) {
        // Even a line of its own is too wide: fitting matters more than size.
        callFont.setPixelSize(callFont.pixelSize() * m_callWidth / widestPart);
    }
    lblDisplay->setFont(callFont);
    const qreal lineShare = qreal(QFontMetrics(callFont).lineSpacing()) / side;
    const QRect callBand = twoLines ? band(0.50 - lineShare, 2 * lineShare + 0.02)
                                    : band(0.50 - lineShare / 2, lineShare + 0.02);
    lblDisplay->setGeometry(callBand.adjusted((area.width() - m_callWidth) / 2, 0,
                                              -(area.width() - m_callWidth) / 2, 0));
    // Top-aligned in two lines, so the limb stays put when its colour joins it below.
    lblDisplay->setAlignment(twoLines ? Qt::AlignHCenter | Qt::AlignTop : Qt::AlignCenter);
    QPalette veil = lblDisplay->palette();
    veil.setColor(QPalette::Window, QColor(255, 255, 255, 210));
    lblDisplay->setPalette(veil);
    lblDisplay->setAutoFillBackground(!m_displayText.isEmpty());
    lblDisplay->setText(fittedCall(m_displayText));
}

// A call too wide for one line in full screen goes over two, limb above colour.
QString MainWindow::fittedCall(const QString &text) const
{
    if (!m_fullScreen || QFontMetrics(lblDisplay->font()).horizontalAdvance(text) <= m_callWidth) {
        return text;
    }
    QString lines = text.trimmed();
    const qsizetype lastSpace = lines.lastIndexOf(u' ');
    if (lastSpace > 0) {
        lines[lastSpace] = u'\n';
    }
    return lines;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept(); // never cancelled
}

void MainWindow::Form_Unload()
{
    if (m_unloaded) {
        return;
    }
    m_unloaded = true;
    // The game ends first, so that closing the About box can't let it go on.
    m_sequencer->abandon();
    // Other windows first, the last opened first: modal ones stack, so the active one is last.
    while (QWidget *modal = QApplication::activeModalWidget()) {
        if (modal == this) {
            break;
        }
        modal->close();
        modal->hide(); // even one that refused to close
    }
    for (QWidget *other : QApplication::topLevelWidgets()) {
        if (other != this && other->isVisible()) {
            other->close();
        }
    }
    writeSettings();
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && m_fullScreen) {
        setFullScreen(false);
        return;
    }
    // The default button: an Enter that no focused button took starts a game.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() == Qt::NoModifier && cmdStart->isEnabled()) {
        cmdStart->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::cmdStart_Click()
{
    m_sequencer->start();
}

void MainWindow::cmdStop_Click()
{
    m_sequencer->stop();
}

void MainWindow::mnuFileExit_Click()
{
    close();
}

void MainWindow::mnuHelpContents_Click()
{
    m_help.launch();
}

// The About box is modal but opened without a nested event loop: the game is suspended while it
// (and the hidden window above it) is open, and goes on where it stood once it closes.
void MainWindow::mnuHelpAbout_Click()
{
    playAndReturn(u"About.wav"_s);
    auto *frmAbout = new AboutBox([this](const QString &name) { playAndReturn(name); }, this);
    m_sequencer->suspend();
    connect(frmAbout, &QDialog::finished, m_sequencer, &GameSequencer::resume);
    frmAbout->setModal(true);
    frmAbout->show();
}

// Not modal: a running game goes on while the options are changed, and takes them from its
// next wait or call.
void MainWindow::mnuSettingsConfigure_Click()
{
    if (m_configure) {
        m_configure->raise();
        m_configure->activateWindow();
        return;
    }
    auto *dialog = new ConfigureDialog(m_gameSettings, this);
    m_configure = dialog;
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        const GameSettings chosen = dialog->values();
        writeGameSettings(chosen);
        applySettings(chosen);
    });
    dialog->show();
}

void MainWindow::applySettings(const GameSettings &settings)
{
    m_gameSettings = settings;
    m_sequencer->setOptions(settings.game);
}

void MainWindow::playAndReturn(const QString &name)
{
    qCDebug(lcGame, "sound-start %s return", qUtf8Printable(name));
    m_sounds.playAndReturn(name);
}

// Both trace the words as shown, in the game's trace vocabulary.
void MainWindow::showStatus(GameStatus status)
{
    const QString text = GameWords::status(status);
    if (m_sequencer) {
        qCDebug(lcGame, "status \"%s\"", qUtf8Printable(text));
    }
    //: For screen readers: the status label while it is empty.
    showText(lblStatus, text, tr("Game status"));
}

void MainWindow::showDisplay(const GameDisplay &display)
{
    const QString text = GameWords::display(display);
    qCDebug(lcGame, "display \"%s\" %s", qUtf8Printable(text),
            qUtf8Printable(display.colour.hex()));
    m_displayText = text;
    setTextColour(lblDisplay, display.colour);
    showText(lblDisplay, text, displayPurpose());
    if (m_fullScreen) {
        lblDisplay->setText(fittedCall(text));
        // A veil behind the call keeps it legible where it crosses the board's pictures.
        lblDisplay->setAutoFillBackground(!text.isEmpty());
    }
}

QString MainWindow::displayPurpose()
{
    //: For screen readers: the call label while it is empty.
    return tr("Call");
}

// A label's accessible name is what it shows, so that screen readers hear every change (the
// name changing is what they announce); an empty label keeps a name that says what it is for.
void MainWindow::showText(QLabel *label, const QString &text, const QString &purpose)
{
    label->setText(text);
    label->setAccessibleName(text.isEmpty() ? purpose : text);
}
