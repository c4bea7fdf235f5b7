// Puzzles of several colours in the window: they open from both colour
// formats, solve completely (unique and several solutions, the other one
// shown by Other solution), save only to the formats with a palette, and
// keep the black-and-white tools away; a black-and-white puzzle opened next
// gets them back.

#include "AppTestSupport.h"
#include "ColourNonFormat.h"
#include "MainWindow.h"
#include "PuzzleDocument.h"
#include "PuzzleFormats.h"
#include "XmlPuzzleFormat.h"
#include "zdWidget.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QTest>

using namespace zd;

namespace {

const std::vector<PaletteColour> palette { { "white", '.', 0xFFFFFF },
                                           { "red", 'r', 0xD62728 },
                                           { "yellow", 'y', 0xFFEE00 } };

ColourPuzzle puzzleOf(const std::vector<std::string> &picture)
{
    ColourPuzzle empty;
    empty.palette = palette;
    empty.rows = int(picture.size());
    empty.columns = int(picture.front().size());
    return colourPuzzleOfGrid(palette, empty.rows, empty.columns,
                              colourGridOfPicture(empty, picture));
}

QString chosenSaveFilter(MainWindow &window, const QString &path)
{
    QString filter;
    ModalAnswer answer([&](QWidget *dialog) {
        filter = qobject_cast<QFileDialog *>(dialog)->selectedNameFilter();
        chooseFile(path)(dialog);
    });
    window.findChild<QAction *>(QStringLiteral("saveAsAct"))->trigger();
    return answer.answered() ? filter : QString();
}

} // namespace

class MainWindowColourTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs); }
    void colourPuzzleSolvesSavesAndKeepsItsColours_data();
    void colourPuzzleSolvesSavesAndKeepsItsColours();
};

void MainWindowColourTest::colourPuzzleSolvesSavesAndKeepsItsColours_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QStringList>("picture");
    QTest::addColumn<QString>("outcome");
    // Neighbouring blocks of two colours need no gap between them.
    const QStringList unique { "rry.", "ryy.", "..yr", "rrrr" };
    QTest::newRow("unique, .non") << "unique.non" << unique << "Unique solution";
    QTest::newRow("unique, .xml") << "unique.xml" << unique << "Unique solution";
    // The red cells of the top rows can go either way round.
    QTest::newRow("several, .xml")
        << "several.xml" << QStringList { "r.", ".r", "yy" } << "Several solutions";
}

void MainWindowColourTest::colourPuzzleSolvesSavesAndKeepsItsColours()
{
    QFETCH(QString, fileName);
    QFETCH(QStringList, picture);
    QFETCH(QString, outcome);
    std::vector<std::string> rows;
    for (const QString &row : picture)
        rows.push_back(row.toStdString());
    const ColourPuzzle puzzle = puzzleOf(rows);
    AppTree tree;
    tree.writeSample(solvablePicture);
    tree.enter();
    const QString path = tree.path(fileName);
    writeTextFile(path,
                  fileName.endsWith(QLatin1String(".xml")) ? formatXmlPuzzle(puzzle, {})
                                                           : formatColourNonPuzzle(puzzle));
    MainWindow window;
    QVERIFY(waitForJobs(window));
    window.openAtStart(path);
    PuzzleDocument &document = gridViewOf(window)->document();
    QCOMPARE(statusOf(window), QStringLiteral("Loaded ") + path);
    QVERIFY(document.colourPuzzle() != nullptr);
    QCOMPARE(*document.colourPuzzle(), puzzle);
    for (const char *name : { "playAct", "drawAct", "explainAct", "hintAct", "stepAct" })
        QVERIFY2(!window.findChild<QAction *>(QLatin1String(name))->isEnabled(), name);

    triggerAndWait(window, QStringLiteral("Solve &completely"));
    QVERIFY2(outcomeLabelOf(window)->text().startsWith(outcome),
             qPrintable(outcomeLabelOf(window)->text()));
    const ColourGrid first = document.colourCells();
    QVERIFY(puzzle.isSolvedBy(first));
    QCOMPARE(gridViewOf(window)->drawing().colourCells, first);
    QAction *other = window.findChild<QAction *>(QStringLiteral("otherSolutionAct"));
    QCOMPARE(other->isEnabled(), outcome == QLatin1String("Several solutions"));
    if (other->isEnabled()) {
        other->trigger();
        QVERIFY(document.colourCells() != first);
        QVERIFY(puzzle.isSolvedBy(document.colourCells()));
        QVERIFY(std::count(document.marks().begin(), document.marks().end(), true) > 0);
        other->trigger();
        QCOMPARE(document.colourCells(), first);
    }

    // A black-and-white format cannot hold the colours; XML can, with the
    // solution shown as its goal, and the dialog offers it first.
    QCOMPARE(chosenSaveFilter(window, tree.path("lost.zd")),
             QStringLiteral("XML puzzle files (*.xml)"));
    QVERIFY2(statusOf(window).startsWith(QStringLiteral("Could not save ")),
             qPrintable(statusOf(window)));
    QVERIFY(!QFile::exists(tree.path("lost.zd")));
    chosenSaveFilter(window, tree.path("kept.xml"));
    const std::string saved = QFile::encodeName(tree.path("kept.xml")).toStdString();
    const std::vector<PuzzleEntry> read
        = readPuzzleFile(saved, PuzzleFormat::Xml, ColourPuzzles::Read);
    QCOMPARE(read.size(), size_t(1));
    QVERIFY2(!read[0].failed(), read[0].error.c_str());
    QCOMPARE(read[0].colour.rowClues, puzzle.rowClues);
    QCOMPARE(read[0].colour.columnClues, puzzle.columnClues);
    QCOMPARE(read[0].goal, pictureOfColourGrid(puzzle, first));

    // The next black-and-white puzzle has every tool and no colours left.
    window.openAtStart(tree.path("zd/orol.zd"));
    QVERIFY(document.colourPuzzle() == nullptr);
    QVERIFY(document.colourCells().empty());
    for (const char *name : { "playAct", "drawAct", "explainAct", "hintAct", "stepAct" })
        QVERIFY2(window.findChild<QAction *>(QLatin1String(name))->isEnabled(), name);
}

QTEST_MAIN(MainWindowColourTest)
#include "MainWindowColourTest.moc"
