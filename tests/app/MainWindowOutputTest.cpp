// What leaves the window: prints that fit one page, images of the grid,
// puzzles saved in every writable format, files written whole or not at all,
// and Quit ending the program with a help window open.

#include "AppTestSupport.h"
#include "AtomicFileWrite.h"
#include "MainWindow.h"
#include "PrintFit.h"
#include "PuzzleFormats.h"
#include "RandomPicture.h"
#include "zdWidget.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QPointer>
#include <QPrinter>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTest>
#include <QTextBrowser>
#include <QXmlStreamReader>

using namespace zd;

namespace {

// Answers the modal dialogs that open one after another, in order.
class DialogSequence : public QObject
{
public:
    explicit DialogSequence(QList<std::function<void(QWidget *)>> answers)
        : pending(std::move(answers))
    {
        connect(&timer, &QTimer::timeout, this, &DialogSequence::poll);
        timer.start(50);
    }
    bool allAnswered() const { return pending.isEmpty(); }

private:
    void poll()
    {
        QWidget *dialog = QApplication::activeModalWidget();
        if (pending.isEmpty() || !dialog || !dialog->isVisible() || dialog == last)
            return;
        last = dialog;
        pending.takeFirst()(dialog);
    }

    QList<std::function<void(QWidget *)>> pending;
    QPointer<QWidget> last;
    QTimer timer;
};

std::function<void(QWidget *)> chooseNumber(int value)
{
    return [value](QWidget *dialog) {
        if (auto *box = dialog->findChild<QSpinBox *>())
            box->setValue(value);
        static_cast<QDialog *>(dialog)->accept();
    };
}

QString toolPath(const char *name)
{
    return QStandardPaths::findExecutable(QLatin1String(name));
}

QPicture pictureOf(const std::function<void(QPainter &)> &paint)
{
    QPicture picture;
    QPainter painter(&picture);
    paint(painter);
    painter.end();
    return picture;
}

// The dark pixels' bounding box of a grey image.
QRect inkOf(const QImage &image)
{
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 160)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

} // namespace

class MainWindowOutputTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        QStandardPaths::setTestModeEnabled(true);
    }

    void fittedPageAtItsSizeIsTheViewsDrawing();
    void printLayoutFillsThePageCentred_data();
    void printLayoutFillsThePageCentred();
    void largePrintFitsOnePage();
    void largePrintLeavesTheWindowResponsive();
    void exportWritesTheGridAsShown();
    void savedPuzzleReadsBack_data();
    void savedPuzzleReadsBack();
    void failedWriteLeavesNothing();
    void quitWithHelpWindowOpenEndsTheProgram();
};

void MainWindowOutputTest::fittedPageAtItsSizeIsTheViewsDrawing()
{
    AppTree tree;
    tree.writeSample(solvablePicture);
    tree.enter();
    MainWindow window;
    zdWidget *view = gridViewOf(window);
    const QPrinter printer(QPrinter::HighResolution);
    const QSize page(printer.width(), printer.height());

    // The view at cell size 64, from the origin: what a page gets when even
    // the smallest cells with clues are too large for it.
    const QPicture before = pictureOf([view](QPainter &painter) {
        const int screen = view->cellSize();
        view->setCellSize(64);
        view->paintPuzzle(&painter);
        view->setCellSize(screen);
    });
    const QPicture fitted = pictureOf(
        [&](QPainter &painter) { paintFittedPage(painter, view->drawing(), 64, page); });
    QCOMPARE(fitted.data(), before.data());
}

void MainWindowOutputTest::printLayoutFillsThePageCentred_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("columns");
    QTest::addColumn<bool>("tenMillimetres"); // the largest cell a page gets
    QTest::newRow("small: cells of 10 mm") << 4 << 5 << true;
    QTest::newRow("the sample's size: as wide as the page") << 36 << 35 << false;
    QTest::newRow("wide") << 40 << 120 << false;
    QTest::newRow("tall") << 200 << 30 << false;
}

// On an A4 page at 1200 dpi: the largest cell that fits below the title, at
// most 10 mm, the grid centred across the page and below the title.
void MainWindowOutputTest::printLayoutFillsThePageCentred()
{
    QFETCH(int, rows);
    QFETCH(int, columns);
    QFETCH(bool, tenMillimetres);
    std::mt19937 random(8);
    PuzzleDrawing drawing;
    drawing.clues = PuzzleClues::fromPicture(randomPicture(rows, columns, 0.5, random));
    drawing.cells.assign(size_t(rows * columns), CellUnknown);
    drawing.title = QStringLiteral("a puzzle");
    const QPrinter printer(QPrinter::HighResolution);
    const QSize page(printer.width(), printer.height());
    const int dpi = printer.resolution();

    const PageLayout layout = printedLayout(drawing, page, dpi);
    QVERIFY(layout.fitted);
    const int tenMm = int(10 * dpi / 25.4);
    QVERIFY(layout.cellSize <= tenMm);
    const QSize extent = drawnExtent(drawing, layout.cellSize);
    const QSize larger = drawnExtent(drawing, layout.cellSize + 1);
    const int room = page.height() - layout.title.height();
    QCOMPARE(layout.cellSize == tenMm, tenMillimetres);
    if (!tenMillimetres)
        QVERIFY(larger.width() > page.width() || larger.height() > room);
    QVERIFY(std::abs(2 * layout.origin.x() + extent.width() - page.width()) <= 1);
    QVERIFY(layout.origin.y() >= layout.title.bottom());
    QVERIFY(layout.origin.y() + extent.height() <= page.height());
    QVERIFY(!layout.title.isEmpty());
}

void MainWindowOutputTest::largePrintFitsOnePage()
{
    const QString pdfInfo = toolPath("pdfinfo");
    const QString pdfToPpm = toolPath("pdftoppm");
    if (pdfInfo.isEmpty() || pdfToPpm.isEmpty())
        QSKIP("pdfinfo and pdftoppm (poppler-utils) are needed to read the PDF");
    // Twice as wide as high and, at cell size 64, far larger than the page.
    std::mt19937 random(5);
    std::vector<std::string> picture = randomPicture(40, 120, 0.5, random);
    picture.back().back() = '#';
    AppTree tree;
    tree.enter();
    const QString puzzle = tree.path(QStringLiteral("wide.zd"));
    writeTextFile(puzzle, puzzleTextOf(picture));
    MainWindow window;
    QVERIFY(openPuzzle(window, puzzle));
    const QString typed = tree.path(QStringLiteral("wide print"));
    const QString pdf = typed + QStringLiteral(".pdf");

    ModalAnswer answer(chooseFile(typed));
    actionNamed(window, QStringLiteral("&Print to pdf..."))->trigger();
    QVERIFY(answer.answered());
    QVERIFY(waitForJobs(window));
    QCOMPARE(statusOf(window), QStringLiteral("Printed to ") + pdf);
    QVERIFY(QFile::exists(pdf));
    QVERIFY(runTool(pdfInfo, { pdf }).contains("Pages:           1\n"));

    const int dpi = 100;
    const QString image = tree.path(QStringLiteral("page"));
    runTool(pdfToPpm,
            { QStringLiteral("-gray"), QStringLiteral("-r"), QString::number(dpi),
              QStringLiteral("-singlefile"), pdf, image });
    const QImage whole(image + QStringLiteral(".pgm"));
    QVERIFY(!whole.isNull());
    // The grid and its clues, below the title.
    const QPrinter pagePrinter(QPrinter::HighResolution);
    const PageLayout layout
        = printedLayout(gridViewOf(window)->drawing(),
                        QSize(pagePrinter.width(), pagePrinter.height()), pagePrinter.resolution());
    const int titleBottom = (layout.title.bottom() + 1) * dpi / 1200;
    const QImage page = whole.copy(0, titleBottom, whole.width(), whole.height() - titleBottom);
    const QRect ink = inkOf(page);
    // The whole picture, nearly as wide as the printable width, proportions kept.
    const QSize extent = drawnExtent(gridViewOf(window)->drawing(), layout.cellSize);
    const QPrinter printer(QPrinter::HighResolution);
    const double printableWidth = printer.width() * dpi / 1200.0;
    QVERIFY2(ink.width() > 0.9 * printableWidth && ink.width() <= printableWidth + 1,
             qPrintable(QStringLiteral("ink %1 of %2").arg(ink.width()).arg(printableWidth)));
    const double expectedHeight = ink.width() * double(extent.height()) / extent.width();
    // The ink starts a little inside the layout (a one-digit clue's leading
    // space, the glyphs' bearings); a cut-off page is off by far more.
    QVERIFY2(
        std::abs(ink.height() - expectedHeight) < 0.06 * expectedHeight,
        qPrintable(QStringLiteral("height %1, expected %2").arg(ink.height()).arg(expectedHeight)));
}

// A 512 x 512 puzzle takes seconds to print: the window's event loop must
// keep turning meanwhile, and the file appear only when it is complete.
void MainWindowOutputTest::largePrintLeavesTheWindowResponsive()
{
    std::mt19937 random(7);
    AppTree tree;
    tree.enter();
    const QString puzzle = tree.path(QStringLiteral("large.zd"));
    writeTextFile(puzzle, puzzleTextOf(randomPicture(512, 512, 0.5, random)));
    MainWindow window;
    QVERIFY(openPuzzle(window, puzzle));
    const QString pdf = tree.path(QStringLiteral("large.pdf"));

    ModalAnswer answer(chooseFile(pdf));
    actionNamed(window, QStringLiteral("&Print to pdf..."))->trigger();
    QVERIFY(answer.answered());
    QElapsedTimer clock;
    clock.start();
    qint64 lastTick = 0;
    qint64 longestGap = 0;
    bool sawPartialFile = false;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, clock.elapsed() - lastTick);
        lastTick = clock.elapsed();
        // Once there, the file must be a whole PDF, up to its end marker.
        QFile file(pdf);
        if (file.open(QIODevice::ReadOnly) && !file.readAll().trimmed().endsWith("%%EOF"))
            sawPartialFile = true;
    });
    ticker.start(10);
    QVERIFY(waitForJobs(window, 300000));
    ticker.stop();
    qInfo("printed in %lld ms, longest event-loop gap %lld ms", clock.elapsed(), longestGap);
    QCOMPARE(statusOf(window), QStringLiteral("Printed to ") + pdf);
    QVERIFY(QFile::exists(pdf));
    QVERIFY(!sawPartialFile);
    // Loose: the machine running the tests may be busy.
    QVERIFY2(longestGap < 500, qPrintable(QString::number(longestGap)));
}

void MainWindowOutputTest::exportWritesTheGridAsShown()
{
    AppTree tree;
    tree.writeSample(solvablePicture);
    tree.enter();
    MainWindow window;
    const zdWidget *view = gridViewOf(window);
    QAction *exportAct = window.findChild<QAction *>(QStringLiteral("exportAct"));
    QVERIFY(exportAct);
    const int s = 12;

    const QString png = tree.path(QStringLiteral("grid.png"));
    DialogSequence pngAnswers({ chooseFile(png), chooseNumber(s) });
    exportAct->trigger();
    QVERIFY(pngAnswers.allAnswered());
    QVERIFY(waitForJobs(window));
    QCOMPARE(statusOf(window), QStringLiteral("Exported to ") + png);
    const QImage image(png);
    QCOMPARE(image.size(), view->sizeAt(s));
    const GridGeometry grid = view->geometryAt(s);
    for (int r = 0; r < grid.rows; ++r)
        for (int j = 0; j < grid.columns; ++j) {
            const QPoint middle(grid.gridLeft + j * s + s / 2, grid.gridTop + r * s + s / 2 - 2);
            QCOMPARE(qGray(image.pixel(middle)) < 128, solvablePicture[r][j] == '#');
        }

    const QString svg = tree.path(QStringLiteral("grid.svg"));
    DialogSequence svgAnswers({ chooseFile(svg), chooseNumber(s) });
    exportAct->trigger();
    QVERIFY(svgAnswers.allAnswered());
    QVERIFY(waitForJobs(window));
    QFile file(svg);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QStringList texts;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("text"))
            texts << xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    // Row clues 2 2, 1 1, 5, 1; column clues 3, 1 1, 2, 1 1, 3.
    for (const char *clue : { "2", "1", "5", "3" })
        QVERIFY2(texts.contains(QLatin1String(clue)), clue);
    QCOMPARE(texts.size(), 13);
}

void MainWindowOutputTest::savedPuzzleReadsBack_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("saved");
    QTest::newRow("zd") << "out.zd"
                        << "out.zd";
    QTest::newRow("zdb") << "out.zdb"
                         << "out.zdb";
    QTest::newRow("non, with its solution") << "out.non"
                                            << "out.non";
    QTest::newRow("no extension: the filter's") << "out"
                                                << "out.zd";
}

void MainWindowOutputTest::savedPuzzleReadsBack()
{
    QFETCH(QString, typed);
    QFETCH(QString, saved);
    AppTree tree;
    tree.writeSample(solvablePicture);
    tree.enter();
    MainWindow window;
    QAction *saveAs = window.findChild<QAction *>(QStringLiteral("saveAsAct"));
    QVERIFY(saveAs);

    ModalAnswer answer(chooseFile(tree.path(typed)));
    saveAs->trigger();
    QVERIFY(answer.answered());
    const QString path = tree.path(saved);
    QCOMPARE(statusOf(window), QStringLiteral("Saved to ") + path);
    const std::string name = QFile::encodeName(path).toStdString();
    const std::vector<PuzzleEntry> read = readPuzzleFile(name, *puzzleFormatOfPath(name));
    QCOMPARE(read.size(), size_t(1));
    QVERIFY2(!read[0].failed(), read[0].error.c_str());
    const PuzzleClues expected = PuzzleClues::fromPicture(solvablePicture);
    QCOMPARE(read[0].clues.rowClues, expected.rowClues);
    QCOMPARE(read[0].clues.columnClues, expected.columnClues);
    if (saved.endsWith(QLatin1String(".non")))
        QCOMPARE(read[0].goal, solvablePicture);
}

void MainWindowOutputTest::failedWriteLeavesNothing()
{
    AppTree tree;
    tree.writeSample(solvablePicture);
    tree.enter();
    const QDir folder(tree.path(QStringLiteral("run")));
    const QString target = folder.filePath(QStringLiteral("kept.zd"));
    writeTextFile(target, "earlier content");

    // A writer that gives up half-way: no partial file, the earlier one kept.
    const QString error = writeFileAtomically(target, [](QIODevice &device, QString &why) {
        device.write("half a puzzle");
        why = QStringLiteral("No space left on device");
        return false;
    });
    QCOMPARE(error, QStringLiteral("No space left on device"));
    QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden), QStringList({ "kept.zd" }));
    QFile kept(target);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("earlier content"));

    // A folder that cannot be made: the window says why and writes nothing.
    MainWindow window;
    const QString blocker = tree.path(QStringLiteral("blocker"));
    writeTextFile(blocker, "not a folder");
    const QString unwritable = blocker + QStringLiteral("/puzzle.zd");
    ModalAnswer answer(chooseFile(unwritable));
    window.findChild<QAction *>(QStringLiteral("saveAsAct"))->trigger();
    QVERIFY(answer.answered());
    QVERIFY2(statusOf(window).startsWith(QStringLiteral("Could not save ") + unwritable + ": "),
             qPrintable(statusOf(window)));
    QCOMPARE(QDir(tree.path(QString())).entryList(QDir::Files | QDir::Hidden),
             QStringList({ "blocker" }));
}

void MainWindowOutputTest::quitWithHelpWindowOpenEndsTheProgram()
{
    AppTree tree;
    tree.copyHelpPage();
    tree.enter();
    auto window = std::make_unique<MainWindow>();
    window->show();
    actionNamed(*window, QStringLiteral("&Faq"))->trigger();
    QPointer<QWidget> help;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && widget->findChild<QTextBrowser *>() && widget != window.get())
            help = widget;
    QVERIFY(help);

    QTimer::singleShot(0, actionNamed(*window, QStringLiteral("Quit")), &QAction::trigger);
    // Should the loop not end, this ends it with another code.
    QTimer stuck;
    stuck.setSingleShot(true);
    connect(&stuck, &QTimer::timeout, [] { QCoreApplication::exit(3); });
    stuck.start(20000);
    QCOMPARE(QApplication::exec(), 0);
    window.reset();
    QVERIFY(help.isNull());
}

QTEST_MAIN(MainWindowOutputTest)
#include "MainWindowOutputTest.moc"
