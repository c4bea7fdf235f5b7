// The start-from-anywhere lookup of the programs' files: the working
// directory first, then the program's folder, else the name unchanged.

#include "ResourceLookup.h"

#include "HeadlessRun.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace zd;

class ResourceLookupTest : public QObject
{
    Q_OBJECT

private slots:
    void findsFromTheWorkingFolderThenTheProgramFolder_data();
    void findsFromTheWorkingFolderThenTheProgramFolder();
};

void ResourceLookupTest::findsFromTheWorkingFolderThenTheProgramFolder_data()
{
    // Files exist beside "work" and beside "project/build"; the program is
    // in project/build.
    QTest::addColumn<QString>("relative");
    QTest::addColumn<QString>("found"); // relative to the temporary root; "" = unchanged
    QTest::newRow("in the working folder's parent") << "../both.zd"
                                                    << "";
    QTest::newRow("only beside the program's folder") << "../orol.zd"
                                                      << "project/orol.zd";
    QTest::newRow("a folder beside the program's folder") << "../images"
                                                          << "project/images";
    QTest::newRow("nowhere") << "../missing.zd"
                             << "";
}

void ResourceLookupTest::findsFromTheWorkingFolderThenTheProgramFolder()
{
    QFETCH(QString, relative);
    QFETCH(QString, found);
    QTemporaryDir root;
    const QDir base(root.path());
    base.mkpath(QStringLiteral("elsewhere/work"));
    base.mkpath(QStringLiteral("project/build"));
    base.mkpath(QStringLiteral("project/images"));
    for (const char *file : { "elsewhere/both.zd", "project/both.zd", "project/orol.zd" }) {
        QFile touched(base.filePath(QLatin1String(file)));
        QVERIFY(touched.open(QIODevice::WriteOnly));
    }

    const QString result = findResource(relative, base.filePath(QStringLiteral("elsewhere/work")),
                                        base.filePath(QStringLiteral("project/build")));
    QCOMPARE(result, found.isEmpty() ? relative : base.filePath(found));
}

HEADLESS_TEST_MAIN(ResourceLookupTest)
#include "ResourceLookupTest.moc"
