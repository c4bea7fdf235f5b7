#pragma once

#include <QDir>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

class MainWindow;
class QAction;
class QLabel;
class QWidget;
class zdWidget;

// A throw-away copy of the layout zdqt expects around its working directory:
//   <root>/run            the working directory while the tree is entered
//   <root>/zd/orol.zd     the sample puzzle (only when written)
//   <root>/images/*.png   the icons (only when copied)
//   <root>/aboutqt.html   the help page (only when copied)
class AppTree
{
public:
    AppTree();
    ~AppTree();
    AppTree(const AppTree &) = delete;
    AppTree &operator=(const AppTree &) = delete;

    bool isValid() const { return root.isValid(); }
    QString path(const QString &relative) const { return root.filePath(relative); }

    void writeSample(const std::vector<std::string> &picture);
    void copySampleFromProject();
    void copyIcons();
    void copyHelpPage();
    // Makes <root>/run the working directory until the tree is destroyed.
    void enter();

private:
    QTemporaryDir root;
    QString previousDirectory;
};

// A small picture whose clues line solving alone completes.
extern const std::vector<std::string> solvablePicture;

// Text of a puzzle file whose only solution is the picture ('#' filled).
std::string puzzleTextOf(const std::vector<std::string> &picture);
void writeTextFile(const QString &path, const std::string &content);
QString projectFile(const QString &relative);

// Answers the next modal dialog that opens, from a timer, so that a test can
// trigger a command that blocks in a dialog. Start it before the command.
class ModalAnswer : public QObject
{
public:
    explicit ModalAnswer(std::function<void(QWidget *)> answer);
    bool answered() const { return dialogSeen; }
    QString dialogClass() const { return seenClass; }

private:
    void poll();

    std::function<void(QWidget *)> answer;
    QTimer timer;
    int pollsLeft;
    bool dialogSeen = false;
    QString seenClass;
};

// Answers a file dialog by typing `fileName` (absolute) and accepting it.
std::function<void(QWidget *)> chooseFile(const QString &fileName);
std::function<void(QWidget *)> cancelDialog();
// Opens `fileName` through File > Open...; false when no dialog came.
bool openPuzzle(MainWindow &window, const QString &fileName);
// Standard output of an external tool run to its end (empty if it hangs).
QString runTool(const QString &tool, const QStringList &arguments);

// Waits, turning the event loop, until the window's solve and its printing
// or export have finished and shown their results; false after `timeoutMs`.
bool waitForJobs(MainWindow &window, int timeoutMs = 120000);
// Triggers the action named `text`, then waits for what it started.
void triggerAndWait(MainWindow &window, const QString &text);

QAction *actionNamed(MainWindow &window, const QString &text);
zdWidget *gridViewOf(MainWindow &window);
QLabel *outcomeLabelOf(MainWindow &window);
QString statusOf(MainWindow &window);
// The model's grid as rows of '#' (filled), '.' (empty) and '?' (unknown).
std::vector<std::string> gridPicture(const zdWidget &view);
