#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QMenu;

namespace zd {

// RecentFiles: the last puzzle files the window opened, kept between runs in
// the user's settings, and the "Open recent" menu that lists them.
class RecentFiles : public QObject
{
    Q_OBJECT

public:
    static constexpr int maxFiles = 8;

    // Fills `menu` with the files, newest first, each time it opens.
    RecentFiles(QMenu *menu, QObject *parent);

    // Puts `fileName` first (it appears only once) and saves the list.
    void add(const QString &fileName);
    // The saved files that still exist, newest first; missing ones are
    // dropped from the saved list.
    QStringList files() const;

signals:
    void chosen(const QString &fileName);

private:
    void fillMenu();

    QMenu *menu;
};

} // namespace zd
