#include "AppTestSupport.h"

#include "JobRunner.h"
#include "MainWindow.h"
#include "PuzzleClues.h"
#include "TextPuzzleFormat.h"
#include "zdWidget.h"

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QStatusBar>
#include <QTest>

using namespace zd;

namespace {

constexpr int pollMilliseconds = 50;
constexpr int pollLimit = 600; // 30 s: a dialog that never opens fails the test, not the run

bool copyFile(const QString &from, const QString &to)
{
    QFile::remove(to);
    return QFile::copy(from, to);
}

} // namespace

QString projectFile(const QString &relative)
{
    return QDir(QStringLiteral(ZDQT_SOURCE_DIR)).filePath(relative);
}

AppTree::AppTree()
{
    QDir(root.path()).mkpath(QStringLiteral("run"));
}

AppTree::~AppTree()
{
    if (!previousDirectory.isEmpty())
        QDir::setCurrent(previousDirectory);
}

void AppTree::writeSample(const std::vector<std::string> &picture)
{
    QDir(root.path()).mkpath(QStringLiteral("zd"));
    writeTextFile(path(QStringLiteral("zd/orol.zd")), puzzleTextOf(picture));
}

void AppTree::copySampleFromProject()
{
    QDir(root.path()).mkpath(QStringLiteral("zd"));
    copyFile(projectFile(QStringLiteral("zd/orol.zd")), path(QStringLiteral("zd/orol.zd")));
}

void AppTree::copyIcons()
{
    QDir(root.path()).mkpath(QStringLiteral("images"));
    const QDir images(projectFile(QStringLiteral("images")));
    for (const QString &name : images.entryList({ QStringLiteral("*.png") }, QDir::Files))
        copyFile(images.filePath(name), path(QStringLiteral("images/") + name));
}

void AppTree::copyHelpPage()
{
    copyFile(projectFile(QStringLiteral("aboutqt.html")), path(QStringLiteral("aboutqt.html")));
}

void AppTree::enter()
{
    if (previousDirectory.isEmpty())
        previousDirectory = QDir::currentPath();
    QDir::setCurrent(path(QStringLiteral("run")));
}

const std::vector<std::string> solvablePicture = {
    "##.##",
    "#...#",
    "#####",
    "..#..",
};

std::string puzzleTextOf(const std::vector<std::string> &picture)
{
    return formatTextPuzzle(PuzzleClues::fromPicture(picture));
}

void writeTextFile(const QString &path, const std::string &content)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(content.data(), qint64(content.size()));
}

ModalAnswer::ModalAnswer(std::function<void(QWidget *)> answerDialog)
    : answer(std::move(answerDialog))
    , pollsLeft(pollLimit)
{
    connect(&timer, &QTimer::timeout, this, &ModalAnswer::poll);
    timer.start(pollMilliseconds);
}

void ModalAnswer::poll()
{
    if (--pollsLeft <= 0) {
        timer.stop();
        return;
    }
    QWidget *dialog = QApplication::activeModalWidget();
    if (!dialog || !dialog->isVisible())
        return;
    timer.stop();
    dialogSeen = true;
    seenClass = QString::fromLatin1(dialog->metaObject()->className());
    answer(dialog);
}

std::function<void(QWidget *)> chooseFile(const QString &fileName)
{
    return [fileName](QWidget *dialog) {
        if (auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            edit->setText(fileName);
        // QFileDialog::accept is protected; through QDialog it still checks the name.
        static_cast<QDialog *>(dialog)->accept();
    };
}

std::function<void(QWidget *)> cancelDialog()
{
    return [](QWidget *dialog) {
        static_cast<QDialog *>(dialog)->reject();
    };
}

bool openPuzzle(MainWindow &window, const QString &fileName)
{
    ModalAnswer answer(chooseFile(fileName));
    actionNamed(window, QStringLiteral("&Open..."))->trigger();
    return answer.answered();
}

QString runTool(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(120000))
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

bool waitForJobs(MainWindow &window, int timeoutMs)
{
    const auto busy = [&window] {
        for (const zd::JobRunner *runner : window.findChildren<zd::JobRunner *>())
            if (runner->isBusy())
                return true;
        return false;
    };
    QDeadlineTimer deadline(timeoutMs);
    while (busy() && !deadline.hasExpired())
        QTest::qWait(5);
    return !busy();
}

void triggerAndWait(MainWindow &window, const QString &text)
{
    actionNamed(window, text)->trigger();
    QVERIFY(waitForJobs(window));
}

QAction *actionNamed(MainWindow &window, const QString &text)
{
    for (QAction *action : window.findChildren<QAction *>())
        if (action->text() == text)
            return action;
    return nullptr;
}

zdWidget *gridViewOf(MainWindow &window)
{
    return window.findChild<zdWidget *>();
}

QLabel *outcomeLabelOf(MainWindow &window)
{
    return window.findChild<QLabel *>(QStringLiteral("outcomeLabel"));
}

QString statusOf(MainWindow &window)
{
    return window.statusBar()->currentMessage();
}

std::vector<std::string> gridPicture(const zdWidget &view)
{
    const CMalovanaKrizovka &model = view.model();
    std::vector<std::string> rows;
    for (int16_t row = 0; row < model.rowCount(); ++row) {
        std::string line;
        for (int16_t column = 0; column < model.columnCount(); ++column) {
            const int32_t state = model.cell(row, column);
            line += state == CellFilled ? '#' : state == CellEmpty ? '.' : '?';
        }
        rows.push_back(line);
    }
    return rows;
}
