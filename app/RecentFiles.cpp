#include "RecentFiles.h"

#include "PuzzleOpener.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace zd {

namespace {

const char *const settingsKey = "recentFiles";

QSettings settings()
{
    return QSettings(QStringLiteral("zdqt"), QStringLiteral("zdqt"));
}

} // namespace

RecentFiles::RecentFiles(QMenu *recentMenu, QObject *parent)
    : QObject(parent)
    , menu(recentMenu)
{
    connect(menu, &QMenu::aboutToShow, this, &RecentFiles::fillMenu);
    fillMenu();
}

void RecentFiles::add(const QString &fileName)
{
    const QString path = QFileInfo(fileName).absoluteFilePath();
    QStringList list = files();
    list.removeAll(path);
    list.prepend(path);
    while (list.size() > maxFiles)
        list.removeLast();
    settings().setValue(settingsKey, list);
    fillMenu();
}

QStringList RecentFiles::files() const
{
    const QStringList saved = settings().value(settingsKey).toStringList();
    QStringList existing;
    // "FILE#N", a batch's puzzle, is there while FILE is.
    for (const QString &path : saved)
        if (QFileInfo(PuzzleOpener::splitPuzzleNumber(path).first).isFile()
            && existing.size() < maxFiles)
            existing << path;
    if (existing != saved)
        settings().setValue(settingsKey, existing);
    return existing;
}

void RecentFiles::fillMenu()
{
    menu->clear();
    const QStringList list = files();
    for (int i = 0; i < list.size(); ++i) {
        // "&1 name" gives the first nine entries a key of their own.
        QAction *action = menu->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(list[i]).fileName()));
        action->setStatusTip(list[i]);
        action->setData(list[i]);
        connect(action, &QAction::triggered, this, [this, path = list[i]] { emit chosen(path); });
    }
    menu->setEnabled(!list.isEmpty());
}

} // namespace zd
