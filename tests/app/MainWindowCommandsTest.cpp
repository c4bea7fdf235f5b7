// What the window's commands do: open, solve with its outcome label, zoom,
// print to PDF, About and the help windows.

#include "AppTestSupport.h"
#include "MainWindow.h"
#include "zdWidget.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QStandardPaths>
#include <QTest>
#include <QTextBrowser>

using namespace zd;

namespace {

// Two pictures share these clues, so no cell can be decided.
const std::vector<std::string> ambiguousPicture = {
    "#.",
    ".#",
};

// Rows count 2 filled cells, columns 3.
const std::string unequalTotals = "2 2\n1\n1\n\n2\n1\n";

QList<QWidget *> helpWindows()
{
    QList<QWidget *> windows;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->findChild<QTextBrowser *>() && !qobject_cast<MainWindow *>(widget))
            windows << widget;
    return windows;
}

} // namespace

class MainWindowCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs); }

    void openedFileShowsItsPathAndClues_data();
    void openedFileShowsItsPathAndClues();
    void failedLoadSaysWhyAndKeepsEarlierPuzzle_data();
    void failedLoadSaysWhyAndKeepsEarlierPuzzle();
    void cancelledOpenChangesNothing();
    void solveEndsReadyAndLabelsTheOutcome_data();
    void solveEndsReadyAndLabelsTheOutcome();
    void zoomStopsAtTwoAndHasNoCeiling();
    void printWritesOnePageAtItsOwnSizeAndRestoresZoom();
    void cancelledPrintWritesNothing();
    void unwritablePdfIsReported();
    void faqOpensOneFreeableWindowPerPress();
    void aboutShowsTheCredits();
};

void MainWindowCommandsTest::openedFileShowsItsPathAndClues_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::newRow("plain") << "picture.zd";
    QTest::newRow("non-ASCII name") << QString::fromUtf8("krížovka-žltý kôň/obrázok ľ.zd");
    QTest::newRow("other extension") << "picture.txt";
}

void MainWindowCommandsTest::openedFileShowsItsPathAndClues()
{
    QFETCH(QString, fileName);
    AppTree tree;
    tree.enter();
    const QString path = tree.path(fileName);
    QDir().mkpath(QFileInfo(path).path());
    writeTextFile(path, puzzleTextOf(solvablePicture));
    MainWindow window;

    QVERIFY(openPuzzle(window, path));
    QCOMPARE(statusOf(window), QStringLiteral("Loaded ") + path);
    QCOMPARE(window.windowTitle(), QStringLiteral("zdQt - ") + path);
    const zdWidget *view = gridViewOf(window);
    QCOMPARE(gridPicture(*view), std::vector<std::string>(4, "?????"));
    QCOMPARE(view->model().rowClueCount(0), 2);
    QCOMPARE(view->model().columnClue(0, 0), 3);
    QCOMPARE(QString::fromUtf8(view->model().filePath()), path);
}

void MainWindowCommandsTest::failedLoadSaysWhyAndKeepsEarlierPuzzle_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("letters among clues") << QByteArray("2 2\n1\nx\n\n1\n1\n");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("ends before its columns") << QByteArray("3 3\n1\n1\n1\n\n1\n");
}

void MainWindowCommandsTest::failedLoadSaysWhyAndKeepsEarlierPuzzle()
{
    QFETCH(QByteArray, content);
    AppTree tree;
    tree.writeSample(solvablePicture);
    tree.enter();
    const QString bad = tree.path(QStringLiteral("bad puzzle.zd"));
    writeTextFile(bad, content.toStdString());
    MainWindow window;
    window.setWindowTitle(QStringLiteral("before"));
    const std::vector<std::string> before = gridPicture(*gridViewOf(window));

    QVERIFY(openPuzzle(window, bad));
    const QString status = statusOf(window);
    QVERIFY2(!status.startsWith(QStringLiteral("Loaded")), qPrintable(status));
    QVERIFY2(status.contains(QStringLiteral("Could not load")), qPrintable(status));
    QVERIFY2(status.contains(bad), qPrintable(status));
    QCOMPARE(window.windowTitle(), QStringLiteral("before"));
    QCOMPARE(gridPicture(*gridViewOf(window)), before);
    QCOMPARE(outcomeLabelOf(window)->text(), QStringLiteral("Solved"));
}

void MainWindowCommandsTest::cancelledOpenChangesNothing()
{
    AppTree tree;
    tree.writeSample(solvablePicture);
    tree.enter();
    MainWindow window;
    window.setWindowTitle(QStringLiteral("before"));

    ModalAnswer answer(cancelDialog());
    actionNamed(window, QStringLiteral("&Open..."))->trigger();
    QVERIFY(answer.answered());
    QCOMPARE(window.windowTitle(), QStringLiteral("before"));
    QCOMPARE(statusOf(window), QStringLiteral("Ready"));
    QCOMPARE(gridPicture(*gridViewOf(window)), solvablePicture);
}

void MainWindowCommandsTest::solveEndsReadyAndLabelsTheOutcome_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<QStringList>("gridAfter");

    QTest::newRow("solvable") << QByteArray::fromStdString(puzzleTextOf(solvablePicture))
                              << "Solved" << QStringList({ "##.##", "#...#", "#####", "..#.." });
    QTest::newRow("stuck") << QByteArray::fromStdString(puzzleTextOf(ambiguousPicture))
                           << "4 cells undecided" << QStringList({ "??", "??" });
    QTest::newRow("totals differ")
        << QByteArray::fromStdString(unequalTotals)
        << "No solution: row clues total 2, column clues total 3" << QStringList({ "??", "??" });
}

void MainWindowCommandsTest::solveEndsReadyAndLabelsTheOutcome()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, outcome);
    QFETCH(QStringList, gridAfter);
    AppTree tree;
    tree.enter();
    const QString puzzle = tree.path(QStringLiteral("puzzle.zd"));
    writeTextFile(puzzle, content.toStdString());
    MainWindow window;
    QVERIFY(openPuzzle(window, puzzle));

    actionNamed(window, QStringLiteral("&Solve"))->trigger();

    QVERIFY(waitForJobs(window));
    QCOMPARE(statusOf(window), QStringLiteral("Ready"));
    QCOMPARE(outcomeLabelOf(window)->text(), outcome);
    QStringList grid;
    for (const std::string &row : gridPicture(*gridViewOf(window)))
        grid << QString::fromStdString(row);
    QCOMPARE(grid, gridAfter);
}

void MainWindowCommandsTest::zoomStopsAtTwoAndHasNoCeiling()
{
    AppTree tree;
    tree.enter();
    MainWindow window;
    zdWidget *view = gridViewOf(window);
    QAction *plus = actionNamed(window, QStringLiteral("&Plus"));
    QAction *minus = actionNamed(window, QStringLiteral("&Minus"));

    QList<int> sizes;
    for (int press = 0; press < 4; ++press) {
        minus->trigger();
        sizes << view->cellSize();
    }
    QCOMPARE(sizes, QList<int>({ 6, 4, 2, 2 }));
    plus->trigger();
    QCOMPARE(view->cellSize(), 4);
    for (int press = 0; press < 100; ++press)
        plus->trigger();
    QCOMPARE(view->cellSize(), 204);
}

void MainWindowCommandsTest::printWritesOnePageAtItsOwnSizeAndRestoresZoom()
{
    const QString pdfInfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    const QString pdfToText = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdfInfo.isEmpty() || pdfToText.isEmpty())
        QSKIP("pdfinfo and pdftotext (poppler-utils) are needed to read the PDF");
    // Distinct clue numbers, so that finding them in the PDF's text means
    // the clues were painted; 13 has two digits.
    AppTree tree;
    tree.writeSample({
        "#############",
        "#######......",
        "...........##",
    });
    tree.enter();
    MainWindow window;
    zdWidget *view = gridViewOf(window);
    view->setCellSize(2); // too small for clues on screen; the page has its own size
    const QSize screenSize = view->size();
    const QString pdf = tree.path(QStringLiteral("grid.pdf"));

    ModalAnswer answer(chooseFile(pdf));
    actionNamed(window, QStringLiteral("&Print to pdf..."))->trigger();
    QVERIFY(answer.answered());
    QVERIFY(waitForJobs(window));
    QCOMPARE(view->cellSize(), 2);
    QCOMPARE(view->size(), screenSize);
    QVERIFY(QFile::exists(pdf));
    QVERIFY(runTool(pdfInfo, { pdf }).contains(QRegularExpression("Pages:\\s+1\\n")));
    const QStringList words
        = runTool(pdfToText, { pdf, QStringLiteral("-") }).split(QRegularExpression("\\s+"));
    for (const char *clue : { "13", "7", "2" })
        QVERIFY2(words.contains(QLatin1String(clue)), clue);
}

void MainWindowCommandsTest::cancelledPrintWritesNothing()
{
    AppTree tree;
    tree.writeSample(solvablePicture);
    tree.enter();
    MainWindow window;
    const QDir folder(tree.path(QStringLiteral("run")));

    ModalAnswer answer(cancelDialog());
    actionNamed(window, QStringLiteral("&Print to pdf..."))->trigger();
    QVERIFY(answer.answered());
    QCOMPARE(folder.entryList(QDir::Files), QStringList());
    QCOMPARE(gridViewOf(window)->cellSize(), 8);
}

void MainWindowCommandsTest::unwritablePdfIsReported()
{
    AppTree tree;
    tree.writeSample(solvablePicture);
    tree.enter();
    MainWindow window;
    // A folder of that name cannot be made while a file holds it.
    const QString blocker = tree.path(QStringLiteral("blocker"));
    writeTextFile(blocker, "not a folder");
    const QString pdf = blocker + QStringLiteral("/grid.pdf");

    ModalAnswer answer(chooseFile(pdf));
    actionNamed(window, QStringLiteral("&Print to pdf..."))->trigger();
    QVERIFY(answer.answered());
    QVERIFY(waitForJobs(window));
    QVERIFY2(statusOf(window).contains(pdf), qPrintable(statusOf(window)));
    QCOMPARE(gridViewOf(window)->cellSize(), 8);
}

void MainWindowCommandsTest::faqOpensOneFreeableWindowPerPress()
{
    AppTree tree;
    tree.copyHelpPage();
    tree.copyIcons();
    tree.enter();
    MainWindow window;
    QAction *faq = actionNamed(window, QStringLiteral("&Faq"));

    faq->trigger();
    faq->trigger();
    const QList<QWidget *> opened = helpWindows();
    QCOMPARE(opened.size(), 2);
    QVERIFY(opened[0] != opened[1]);
    for (QWidget *help : opened) {
        QVERIFY(help->isVisible());
        QVERIFY(!help->windowIcon().pixmap(16, 16).isNull());
        QVERIFY(help->findChild<QTextBrowser *>()->toPlainText().contains("zdQt help"));
    }
    QPointer<QWidget> first = opened[0];
    QPointer<QWidget> second = opened[1];
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
    QVERIFY(!second.isNull());
    second->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(second.isNull());
}

void MainWindowCommandsTest::aboutShowsTheCredits()
{
    AppTree tree;
    tree.enter();
    MainWindow window;
    QString title;
    QString text;

    ModalAnswer answer([&title, &text](QWidget *dialog) {
        if (auto *box = qobject_cast<QMessageBox *>(dialog)) {
            title = box->windowTitle();
            text = box->text();
        }
        static_cast<QDialog *>(dialog)->accept();
    });
    actionNamed(window, QStringLiteral("&About"))->trigger();
    QVERIFY(answer.answered());
    QCOMPARE(title, QStringLiteral("About Application"));
    QVERIFY(
        text.startsWith(QStringLiteral("<center>The <b>zdQt</b> is a griddlers (japanese "
                                       "puzzle) solver using modern GUI by Qt.\n<a href=\".\">")));
    QVERIFY(text.endsWith(QStringLiteral("</a></center>")));
}

QTEST_MAIN(MainWindowCommandsTest)
#include "MainWindowCommandsTest.moc"
