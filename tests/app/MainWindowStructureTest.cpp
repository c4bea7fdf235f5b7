// The window zdqt builds at start: its actions, menus, toolbar, slot order and
// the state the user first sees, with and without its files around it.

#include "AppTestSupport.h"
#include "MainWindow.h"
#include "Startup.h"
#include "zdWidget.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMetaMethod>
#include <QScrollArea>
#include <QTest>
#include <QToolBar>

using namespace zd;

namespace {

// The sample every test window starts with: solvable line by line.
const std::vector<std::string> samplePicture = {
    "##.##",
    "#...#",
    "#####",
    "..#..",
};

// An icon named after a missing file is not null, it just has no picture.
bool hasPicture(const QIcon &icon)
{
    return !icon.pixmap(16, 16).isNull();
}

QStringList itemTexts(const QList<QAction *> &actions)
{
    QStringList texts;
    for (const QAction *action : actions)
        texts << (action->isSeparator() ? QStringLiteral("|") : action->text());
    return texts;
}

QList<QWidget *> topLevelHelpWindows()
{
    QList<QWidget *> windows;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && !qobject_cast<MainWindow *>(widget)
            && widget->inherits("QMainWindow"))
            windows << widget;
    return windows;
}

void closeHelpWindows()
{
    for (QWidget *window : topLevelHelpWindows())
        window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class MainWindowStructureTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs); }

    void actionsCarryTheirTextsKeysTipsAndIcons_data();
    void actionsCarryTheirTextsKeysTipsAndIcons();
    void menusAndToolbarListTheirItemsInOrder();
    void slotsKeepTheirMetaObjectIndices();
    void slotIndicesReachTheirCommands();
    void startShowsTheSolvedSampleReady();
    void projectSampleIsSolvedAtStart();
    void startWithoutImagesOrSampleStillOpens();
    void sampleBeyondTheLimitsIsReportedNotLoaded();
    void ctrlSSolvesTheOpenedPuzzle();
};

void MainWindowStructureTest::actionsCarryTheirTextsKeysTipsAndIcons_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<QString>("statusTip");
    QTest::addColumn<bool>("hasIcon");

    QTest::newRow("open") << "&Open..."
                          << "Ctrl+O"
                          << "Open an existing file" << true;
    QTest::newRow("solve completely")
        << "Solve &completely"
        << "Ctrl+Shift+S"
        << "Solve the griddler to its end and tell whether its solution is unique" << true;
    QTest::newRow("other solution") << "&Other solution"
                                    << ""
                                    << "Show the other of two solutions" << false;
    QTest::newRow("cancel") << "&Cancel"
                            << "Esc"
                            << "Stop the running solve" << true;
    QTest::newRow("hint") << "&Hint"
                          << "Ctrl+H"
                          << "Show the next step from the grid on screen" << false;
    QTest::newRow("next step") << "Next &step"
                               << "Ctrl+J"
                               << "Take the next step on the grid on screen" << false;
    QTest::newRow("print") << "&Print to pdf..."
                           << "Ctrl+P"
                           << "Print the griddle to pdf" << true;
    QTest::newRow("solve") << "&Solve"
                           << "Ctrl+S"
                           << "Solve a griddler" << true;
    QTest::newRow("quit") << "Quit"
                          << ""
                          << "Quit App" << true;
    QTest::newRow("about") << "&About"
                           << ""
                           << "Show the application's About box" << false;
    QTest::newRow("plus") << "&Plus"
                          << ""
                          << "Increase the grid and font size" << true;
    QTest::newRow("minus") << "&Minus"
                           << ""
                           << "Decrease the grid and font size" << true;
    QTest::newRow("faq") << "&Faq"
                         << ""
                         << "frequently asked question" << true;
}

void MainWindowStructureTest::actionsCarryTheirTextsKeysTipsAndIcons()
{
    QFETCH(QString, text);
    QFETCH(QString, shortcut);
    QFETCH(QString, statusTip);
    QFETCH(bool, hasIcon);

    AppTree tree;
    tree.copyIcons();
    tree.enter();
    MainWindow window;

    QAction *action = actionNamed(window, text);
    QVERIFY2(action, qPrintable(text));
    QCOMPARE(action->shortcut(), QKeySequence(shortcut));
    QCOMPARE(action->statusTip(), statusTip);
    QCOMPARE(hasPicture(action->icon()), hasIcon);
}

void MainWindowStructureTest::menusAndToolbarListTheirItemsInOrder()
{
    AppTree tree;
    tree.enter();
    MainWindow window;

    const QList<QAction *> menus = window.menuBar()->actions();
    QCOMPARE(menus.size(), 4);
    QCOMPARE(menus[0]->text(), QStringLiteral("&File"));
    QCOMPARE(menus[1]->text(), QStringLiteral("&Edit"));
    QCOMPARE(menus[2]->text(), QStringLiteral("&View"));
    QCOMPARE(menus[3]->text(), QStringLiteral("&Help"));
    QCOMPARE(itemTexts(menus[0]->menu()->actions()),
             QStringList({ "&New puzzle...", "&Open...", "Open &recent", "&Import image...",
                           "&Solve", "Solve &completely", "&Other solution", "&Cancel", "E&xplain",
                           "&Hint", "Next &step", "&Print to pdf...", "Print &blank puzzle...",
                           "&Export image...", "Save puzzle &as...", "|", "Quit" }));
    // Undo and Redo read "&Undo" and "&Redo" while the stack is empty.
    QCOMPARE(itemTexts(menus[1]->menu()->actions()),
             QStringList({ "&Undo", "&Redo", "|", "&Play by hand", "&Check", "&Restart", "|",
                           "&Draw", "&Suggest a fix" }));
    QCOMPARE(
        itemTexts(menus[2]->menu()->actions()),
        QStringList({ "&Fit to window", "Fit &new puzzles to the window", "&Readable clues" }));
    QCOMPARE(itemTexts(menus[3]->menu()->actions()), QStringList({ "&About", "&Faq" }));

    const QList<QToolBar *> toolBars = window.findChildren<QToolBar *>();
    QCOMPARE(toolBars.size(), 1);
    QCOMPARE(toolBars[0]->windowTitle(), QStringLiteral("File"));
    QCOMPARE(itemTexts(toolBars[0]->actions()),
             QStringList({ "&Open...", "&Solve", "Solve &completely", "&Cancel", "&Play by hand",
                           "&Print to pdf...", "|", "&Plus", "&Minus", "|", "&Faq", "Quit" }));
    // Plus and Minus only on the toolbar; About only in the Help menu; no
    // other action has a key (Open, Solve, Print, Solve completely, Cancel,
    // Hint, Next step, Undo, Redo, Play by hand, Check, New puzzle).
    int withKeys = 0;
    for (const QAction *action : window.findChildren<QAction *>())
        withKeys += action->shortcut().isEmpty() ? 0 : 1;
    QCOMPARE(withKeys, 12);
}

void MainWindowStructureTest::slotsKeepTheirMetaObjectIndices()
{
    const QMetaObject &meta = MainWindow::staticMetaObject;
    QCOMPARE(meta.className(), "MainWindow");
    QCOMPARE(meta.methodCount() - meta.methodOffset(), 7);
    const QByteArrayList expected
        = { "open()", "solve()", "about()", "plus()", "minus()", "print()", "faq()" };
    for (int i = 0; i < expected.size(); ++i) {
        const QMetaMethod method = meta.method(meta.methodOffset() + i);
        QCOMPARE(method.methodSignature(), expected[i]);
        QCOMPARE(method.access(), QMetaMethod::Private);
        QCOMPARE(method.methodType(), QMetaMethod::Slot);
    }
    QCOMPARE(meta.propertyCount(), meta.propertyOffset());
}

void MainWindowStructureTest::slotIndicesReachTheirCommands()
{
    AppTree tree;
    tree.writeSample(samplePicture);
    tree.enter();
    MainWindow window;
    zdWidget *view = gridViewOf(window);
    QVERIFY(view);
    const auto invoke = [&window](int index) {
        const QMetaObject *meta = window.metaObject();
        return meta->method(meta->methodOffset() + index).invoke(&window, Qt::DirectConnection);
    };

    {
        ModalAnswer answer(cancelDialog());
        QVERIFY(invoke(0));
        QVERIFY(answer.answered());
        QCOMPARE(answer.dialogClass(), QStringLiteral("QFileDialog"));
    }
    outcomeLabelOf(window)->clear();
    QVERIFY(invoke(1));
    QVERIFY(waitForJobs(window));
    QCOMPARE(outcomeLabelOf(window)->text(), QStringLiteral("Solved"));
    {
        ModalAnswer answer([](QWidget *box) { static_cast<QDialog *>(box)->accept(); });
        QVERIFY(invoke(2));
        QVERIFY(answer.answered());
        QCOMPARE(answer.dialogClass(), QStringLiteral("QMessageBox"));
    }
    QVERIFY(invoke(3));
    QCOMPARE(view->cellSize(), 10);
    QVERIFY(invoke(4));
    QCOMPARE(view->cellSize(), 8);
    {
        bool savesAFile = false;
        ModalAnswer answer([&savesAFile](QWidget *dialog) {
            auto *fileDialog = qobject_cast<QFileDialog *>(dialog);
            savesAFile = fileDialog && fileDialog->acceptMode() == QFileDialog::AcceptSave;
            static_cast<QDialog *>(dialog)->reject();
        });
        QVERIFY(invoke(5));
        QVERIFY(answer.answered());
        QVERIFY(savesAFile);
    }
    QCOMPARE(topLevelHelpWindows().size(), 0);
    QVERIFY(invoke(6));
    QCOMPARE(topLevelHelpWindows().size(), 1);
    closeHelpWindows();
}

void MainWindowStructureTest::startShowsTheSolvedSampleReady()
{
    AppTree tree;
    tree.writeSample(samplePicture);
    tree.copyIcons();
    tree.enter();
    MainWindow window;
    presentMainWindow(window);

    QCOMPARE(window.windowTitle(), QStringLiteral("zdQt - ../orol.zd"));
    QCOMPARE(window.size(), QSize(600, 600));
    QVERIFY(hasPicture(window.windowIcon()));
    QCOMPARE(statusOf(window), QStringLiteral("Ready"));
    zdWidget *view = gridViewOf(window);
    QVERIFY(view);
    QCOMPARE(qobject_cast<QScrollArea *>(window.centralWidget())->widget(), view);
    QCOMPARE(view->cellSize(), 8);
    QCOMPARE(gridPicture(*view),
             std::vector<std::string>({
                 "##.##",
                 "#...#",
                 "#####",
                 "..#..",
             }));
    QCOMPARE(outcomeLabelOf(window)->text(), QStringLiteral("Solved"));
}

void MainWindowStructureTest::projectSampleIsSolvedAtStart()
{
    if (!QFile::exists(projectFile(QStringLiteral("zd/orol.zd"))))
        QSKIP("the project has no sample puzzle zd/orol.zd");
    AppTree tree;
    tree.copySampleFromProject();
    tree.enter();
    MainWindow window;

    QVERIFY(gridViewOf(window)->model().rowCount() > 0);
    QCOMPARE(outcomeLabelOf(window)->text(), QStringLiteral("Solved"));
}

void MainWindowStructureTest::startWithoutImagesOrSampleStillOpens()
{
    AppTree tree;
    tree.enter();
    MainWindow window;
    presentMainWindow(window);

    QCOMPARE(statusOf(window),
             QStringLiteral("Could not load the sample puzzle: ../zd/orol.zd: cannot open: No "
                            "such file or directory"));
    QCOMPARE(window.windowTitle(), QStringLiteral("zdQt - ../orol.zd"));
    for (const QAction *action : window.findChildren<QAction *>())
        QVERIFY2(!hasPicture(action->icon()), qPrintable(action->text()));
    QCOMPARE(gridViewOf(window)->model().rowCount(), 0);
    QCOMPARE(gridViewOf(window)->cellSize(), 8);
}

// A small file announcing 32767 x 32767 cells took 4.8 GB, and a sample linked
// to /dev/zero grew without end; both are refused and said so.
void MainWindowStructureTest::sampleBeyondTheLimitsIsReportedNotLoaded()
{
    const std::pair<QString, QString> samples[] = {
        { QStringLiteral("huge"), QStringLiteral("at most 16777216 cells") },
        { QStringLiteral("/dev/zero"), QStringLiteral("a character device") },
    };
    for (const auto &[sample, words] : samples) {
        AppTree tree;
        QDir().mkpath(tree.path(QStringLiteral("zd")));
        if (sample == QStringLiteral("huge"))
            writeTextFile(tree.path(QStringLiteral("zd/orol.zd")),
                          "32767 32767\n" + std::string(65535, '\n'));
        else
            QVERIFY(QFile::link(sample, tree.path(QStringLiteral("zd/orol.zd"))));
        tree.enter();
        MainWindow window;
        QVERIFY2(statusOf(window).startsWith(
                     QStringLiteral("Could not load the sample puzzle: ../zd/orol.zd: ")),
                 qPrintable(statusOf(window)));
        QVERIFY2(statusOf(window).contains(words), qPrintable(statusOf(window)));
        QCOMPARE(gridViewOf(window)->model().rowCount(), 0);
    }
}

void MainWindowStructureTest::ctrlSSolvesTheOpenedPuzzle()
{
    AppTree tree;
    tree.enter();
    const QString puzzle = tree.path(QStringLiteral("picture.zd"));
    writeTextFile(puzzle, puzzleTextOf(samplePicture));
    MainWindow window;
    presentMainWindow(window);
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    {
        ModalAnswer answer(chooseFile(puzzle));
        QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
        QVERIFY(answer.answered());
    }
    QCOMPARE(statusOf(window), QStringLiteral("Loaded ") + puzzle);
    QVERIFY(outcomeLabelOf(window)->text().isEmpty());
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(waitForJobs(window));
    QCOMPARE(statusOf(window), QStringLiteral("Ready"));
    QCOMPARE(outcomeLabelOf(window)->text(), QStringLiteral("Solved"));
}

QTEST_MAIN(MainWindowStructureTest)
#include "MainWindowStructureTest.moc"
