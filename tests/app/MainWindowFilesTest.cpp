// How puzzle files reach the window: Open in every format (a tournament batch
// asks for the puzzle), the command line, a drop, the recent list, and the
// window's own files found from the executable when started elsewhere.

#include "AppTestSupport.h"
#include "BinaryPuzzleFormat.h"
#include "MainWindow.h"
#include "NonPuzzleFormat.h"
#include "PuzzleClues.h"
#include "RandomPicture.h"
#include "Startup.h"
#include "zdWidget.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QSettings>
#include <QSpinBox>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QUrl>

using namespace zd;

namespace {

const std::vector<std::string> picture = {
    "##.##",
    "#...#",
    "#####",
    "..#..",
};

std::string numbers(const std::vector<int> &clues, char separator)
{
    std::string text;
    for (int clue : clues)
        text += (text.empty() ? "" : std::string(1, separator)) + std::to_string(clue);
    return text;
}

std::string ninText(const PuzzleClues &clues)
{
    std::string text = std::to_string(clues.columns) + " " + std::to_string(clues.rows) + "\n";
    for (const auto &line : clues.rowClues)
        text += numbers(line, ' ') + "\n";
    for (const auto &line : clues.columnClues)
        text += numbers(line, ' ') + "\n";
    return text;
}

// A batch of 25x25 puzzles, columns first, as the tournament format has them.
std::string tournamentText(const std::vector<PuzzleClues> &puzzles)
{
    std::string text;
    for (size_t i = 0; i < puzzles.size(); ++i) {
        text += "$" + std::to_string(i + 1) + "\n";
        for (const auto &line : puzzles[i].columnClues)
            text += numbers(line, '\t') + "\n";
        for (const auto &line : puzzles[i].rowClues)
            text += numbers(line, '\t') + "\n";
    }
    return text;
}

std::vector<std::string> randomPicture25(unsigned seed)
{
    std::mt19937 random(seed);
    return randomPicture(25, 25, 0.5, random);
}

PuzzleClues shownClues(MainWindow &window)
{
    return PuzzleClues::fromModel(gridViewOf(window)->model());
}

QMenu *recentMenuOf(MainWindow &window)
{
    return window.findChild<QAction *>(QStringLiteral("openRecentMenu"))->menu();
}

QStringList recentEntries(MainWindow &window)
{
    QMenu *menu = recentMenuOf(window);
    emit menu->aboutToShow();
    QStringList entries;
    for (const QAction *action : menu->actions())
        entries << action->data().toString();
    return entries;
}

} // namespace

class MainWindowFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs); }

    void everyFormatOpensThroughTheDialog_data();
    void everyFormatOpensThroughTheDialog();
    void commandLineFileOpensInsteadOfTheSample();
    void droppedFileOpens();
    void recentListKeepsTheLastEightExistingFiles();
    void startedFromTheProjectRootShowsTheSample();
};

void MainWindowFilesTest::everyFormatOpensThroughTheDialog_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("loadedAs"); // "" when the file must be refused
    QTest::addColumn<QString>("error");

    const PuzzleClues clues = PuzzleClues::fromPicture(picture);
    std::string binary;
    std::string ignored;
    formatBinaryPuzzle(clues, binary, ignored);
    QTest::newRow("zd") << "p.zd" << QByteArray::fromStdString(puzzleTextOf(picture)) << "p.zd"
                        << "";
    QTest::newRow("zdb") << "p.zdb" << QByteArray::fromStdString(binary) << "p.zdb"
                         << "";
    QTest::newRow("non") << "p.non" << QByteArray::fromStdString(formatNonPuzzle(clues)) << "p.non"
                         << "";
    QTest::newRow("nin") << "p.nin" << QByteArray::fromStdString(ninText(clues)) << "p.nin"
                         << "";
    QTest::newRow("tcga, puzzle 2 of 3") << "p.tcga"
                                         << QByteArray::fromStdString(tournamentText(
                                                { PuzzleClues::fromPicture(randomPicture25(1)),
                                                  PuzzleClues::fromPicture(randomPicture25(2)),
                                                  PuzzleClues::fromPicture(randomPicture25(3)) }))
                                         << "p.tcga#2"
                                         << "";
    QTest::newRow("bad non") << "bad.non" << QByteArray("width 2\nheight 2\nrows\n1\nx\n") << ""
                             << "bad.non:5:";
    const QByteArray emptyLines = QByteArray("0\n").repeated(5000);
    QTest::newRow("non beyond the cell limit")
        << "huge.non"
        << QByteArray("width 5000\nheight 5000\nrows\n") + emptyLines + "columns\n" + emptyLines
        << ""
        << "huge.non: the puzzle has 5000 x 5000 cells";
    QTest::newRow("short zdb") << "bad.zdb" << QByteArray("\x02\0\0\0", 4) << ""
                               << "bad.zdb:";
}

void MainWindowFilesTest::everyFormatOpensThroughTheDialog()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QFETCH(QString, loadedAs);
    QFETCH(QString, error);
    AppTree tree;
    tree.writeSample(picture);
    tree.enter();
    const QString path = tree.path(fileName);
    writeTextFile(path, content.toStdString());
    MainWindow window;
    const PuzzleClues sampleClues = shownClues(window);

    QStringList filters;
    ModalAnswer answer([&](QWidget *dialog) {
        filters = qobject_cast<QFileDialog *>(dialog)->nameFilters();
        chooseFile(path)(dialog);
    });
    // The batch's puzzle is chosen by number in a second dialog.
    ModalAnswer pickSecond([](QWidget *dialog) {
        if (auto *number = dialog->findChild<QSpinBox *>())
            number->setValue(2);
        static_cast<QDialog *>(dialog)->accept();
    });
    actionNamed(window, QStringLiteral("&Open..."))->trigger();
    QVERIFY(answer.answered());
    QCOMPARE(filters.first(), QStringLiteral("All puzzles (*.zd *.zdb *.non *.nin *.xml *.tcga)"));
    QCOMPARE(filters.last(), QStringLiteral("All files (*)"));
    QCOMPARE(pickSecond.answered(), fileName.endsWith(QStringLiteral(".tcga")));

    if (loadedAs.isEmpty()) {
        QVERIFY2(statusOf(window).contains(tree.path(error)), qPrintable(statusOf(window)));
        QCOMPARE(shownClues(window).rowClues, sampleClues.rowClues);
        // A toolbar button's tip covers the message only while it shows.
        const QString message = statusOf(window);
        QStatusTipEvent tip(QStringLiteral("Open an existing file"));
        QApplication::sendEvent(&window, &tip);
        QCOMPARE(statusOf(window), tip.tip());
        QStatusTipEvent gone { QString() };
        QApplication::sendEvent(&window, &gone);
        QCOMPARE(statusOf(window), message);
        // The message has the status bar to itself; where the window is too
        // narrow for it, the bar's tooltip gives it whole.
        QVERIFY(outcomeLabelOf(window)->isHidden());
        window.resize(200, 300);
        window.statusBar()->showMessage(message);
        QCOMPARE(window.statusBar()->toolTip(), message);
        // A message the program shows under a tip (a click on the button)
        // outlasts the tip.
        QApplication::sendEvent(&window, &tip);
        actionNamed(window, QStringLiteral("Solve &completely"))->trigger();
        QApplication::sendEvent(&window, &gone);
        QCOMPARE(statusOf(window), QStringLiteral("Solving.."));
        QVERIFY(waitForJobs(window));
        return;
    }
    QCOMPARE(statusOf(window), QStringLiteral("Loaded ") + tree.path(loadedAs));
    const std::vector<std::string> expected
        = fileName.endsWith(QStringLiteral(".tcga")) ? randomPicture25(2) : picture;
    QCOMPARE(shownClues(window).rowClues, PuzzleClues::fromPicture(expected).rowClues);
    QCOMPARE(shownClues(window).columnClues, PuzzleClues::fromPicture(expected).columnClues);

    // Open recent and the command line reopen it, a batch's puzzle by its
    // number and without asking; the Open dialog starts in its folder.
    MainWindow again;
    again.openAtStart(tree.path(loadedAs));
    QCOMPARE(again.windowTitle(), QStringLiteral("zdQt - ") + tree.path(loadedAs));
    QCOMPARE(shownClues(again).rowClues, PuzzleClues::fromPicture(expected).rowClues);
    QCOMPARE(recentEntries(again).value(0), tree.path(loadedAs));
    QString startFolder;
    ModalAnswer seeFolder([&](QWidget *dialog) {
        startFolder = qobject_cast<QFileDialog *>(dialog)->directory().absolutePath();
        cancelDialog()(dialog);
    });
    actionNamed(again, QStringLiteral("&Open..."))->trigger();
    QVERIFY(seeFolder.answered());
    QCOMPARE(startFolder, QFileInfo(tree.path(loadedAs)).absolutePath());
}

void MainWindowFilesTest::commandLineFileOpensInsteadOfTheSample()
{
    AppTree tree;
    tree.writeSample({ "#" });
    tree.enter();
    const QString path = tree.path(QStringLiteral("given.zd"));
    writeTextFile(path, puzzleTextOf(picture));

    MainWindow plain;
    presentMainWindow(plain);
    openStartFile(plain, { QStringLiteral("zdqt") });
    QCOMPARE(plain.windowTitle(), QStringLiteral("zdQt - ../orol.zd"));

    MainWindow window;
    presentMainWindow(window);
    openStartFile(window, { QStringLiteral("zdqt"), path });
    QCOMPARE(window.windowTitle(), QStringLiteral("zdQt - ") + path);
    // Solved once the event loop runs, like the sample.
    QTRY_COMPARE(gridPicture(*gridViewOf(window)), picture);
    QCOMPARE(outcomeLabelOf(window)->text(), QStringLiteral("Solved"));
}

void MainWindowFilesTest::droppedFileOpens()
{
    AppTree tree;
    tree.enter();
    const QString path = tree.path(QStringLiteral("dropped.zd"));
    writeTextFile(path, puzzleTextOf(picture));
    MainWindow window;
    window.show();
    QMimeData data;
    data.setUrls({ QUrl::fromLocalFile(path) });
    const QPoint centre = window.rect().center();

    QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    QTRY_COMPARE(window.windowTitle(), QStringLiteral("zdQt - ") + path);
    QCOMPARE(shownClues(window).rowClues, PuzzleClues::fromPicture(picture).rowClues);
}

void MainWindowFilesTest::recentListKeepsTheLastEightExistingFiles()
{
    QSettings(QStringLiteral("zdqt"), QStringLiteral("zdqt")).remove(QStringLiteral("recentFiles"));
    AppTree tree;
    tree.enter();
    QStringList opened;
    {
        MainWindow window;
        QVERIFY(recentEntries(window).isEmpty());
        for (int i = 0; i < 10; ++i) {
            opened.prepend(tree.path(QStringLiteral("p%1.zd").arg(i)));
            writeTextFile(opened.first(), puzzleTextOf(picture));
            QVERIFY(openPuzzle(window, opened.first()));
        }
        // Opening a listed file again moves it to the front.
        QVERIFY(openPuzzle(window, opened[3]));
        opened.move(3, 0);
    }
    MainWindow window;
    QCOMPARE(recentEntries(window), opened.mid(0, 8));
    QFile::remove(opened[1]);
    opened.removeAt(1);
    QCOMPARE(recentEntries(window), opened.mid(0, 7));

    recentMenuOf(window)->actions().at(2)->trigger();
    QCOMPARE(window.windowTitle(), QStringLiteral("zdQt - ") + opened[2]);
}

// The real program, started from the project's root: it finds the sample
// beside its build folder and solves it, printing the solver's pass lines.
void MainWindowFilesTest::startedFromTheProjectRootShowsTheSample()
{
    const QString program = QStringLiteral(ZDQT_EXECUTABLE);
    const QString root = projectFile(QStringLiteral("."));
    if (!QFile::exists(QFileInfo(program).dir().filePath(QStringLiteral("../zd/orol.zd"))))
        QSKIP("zdqt is not built in a folder of the project's root");
    QProcess zdqt;
    zdqt.setWorkingDirectory(root);
    zdqt.start(program, {});
    QVERIFY(zdqt.waitForStarted(30000));
    QByteArray output;
    for (int wait = 0; wait < 300 && !output.contains('\n') && zdqt.state() == QProcess::Running;
         ++wait) {
        zdqt.waitForReadyRead(100);
        output += zdqt.readAllStandardOutput();
    }
    zdqt.kill();
    zdqt.waitForFinished(10000);
    QVERIFY2(output.startsWith("1\n"), output.constData());
}

QTEST_MAIN(MainWindowFilesTest)
#include "MainWindowFilesTest.moc"
