// Finding the system-information program on a PATH of the test's making, and starting it.
#include "desktop/system_info.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace pennix {

namespace {

// A shell script that leaves a marker file behind when it runs.
void WriteProgram(const QString& file, const QString& marker) {
    QFile script(file);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(QString("#!/bin/sh\necho started > '%1'\n").arg(marker).toUtf8());
    script.close();
    QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

}  // namespace

class SystemInfoTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        folders_.clear();
        for (int i = 0; i < 2; ++i) {
            folders_.push_back(std::make_unique<QTemporaryDir>());
            QVERIFY(folders_.back()->isValid());
        }
        marker_ = folders_[0]->filePath("marker");
    }

    void cleanup() { QDir::setCurrent(start_directory_); }

    // Each row: the programs put into the two folders ("0:hardinfo" puts an executable hardinfo
    // into the first, "1:!kinfocenter" a file that may not be run into the second), the PATH
    // with %1 and %2 standing for the folders, and which file must be found.
    void findsTheFirstKnownProgramInTheSearchedFolders_data() {
        QTest::addColumn<QStringList>("programs");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("found");
        QTest::newRow("empty PATH") << QStringList{"0:hardinfo"} << ""
                                    << "";
        QTest::newRow("none of the known programs") << QStringList{"0:sysinfo", "1:top"} << "%1:%2"
                                                    << "";
        QTest::newRow("in the second folder")
            << QStringList{"1:gnome-system-monitor"} << "/nonexistent:%1:%2"
            << "1:gnome-system-monitor";
        QTest::newRow("the preferred program wins over an earlier folder")
            << QStringList{"0:kinfocenter", "1:hardinfo"} << "%1:%2"
            << "1:hardinfo";
        QTest::newRow("a file that may not be run is passed over")
            << QStringList{"0:!hardinfo", "1:hardinfo2"} << "%1:%2"
            << "1:hardinfo2";
        QTest::newRow("a folder named like a program is passed over")
            << QStringList{"0:/hardinfo", "1:kinfocenter"} << "%1:%2"
            << "1:kinfocenter";
        QTest::newRow("empty and relative entries are not the current folder")
            << QStringList{"0:hardinfo"} << ":.:./"
            << "";
    }

    void findsTheFirstKnownProgramInTheSearchedFolders() {
        QFETCH(QStringList, programs);
        QFETCH(QString, path);
        QFETCH(QString, found);
        for (const QString& program : programs) {
            const QString folder = folders_[program.left(1).toInt()]->path();
            QString name = program.mid(2);
            if (name.startsWith('/')) {
                QVERIFY(QDir(folder).mkdir(name.mid(1)));
            } else if (name.startsWith('!')) {
                QFile file(QDir(folder).filePath(name.mid(1)));
                QVERIFY(file.open(QIODevice::WriteOnly));
            } else {
                WriteProgram(QDir(folder).filePath(name), marker_);
            }
        }
        QDir::setCurrent(folders_[0]->path());
        const QString search_path =
            path.replace("%1", folders_[0]->path()).replace("%2", folders_[1]->path());
        const QString expected =
            found.isEmpty() ? ""
                            : QDir(folders_[found.left(1).toInt()]->path()).filePath(found.mid(2));
        QCOMPARE(SystemInfoLauncher(search_path).FindProgram(), expected);
    }

    void startsTheProgramFoundWithoutWaitingForIt() {
        WriteProgram(folders_[1]->filePath("kinfocenter"), marker_);
        QVERIFY(SystemInfoLauncher(folders_[1]->path()).Start());
        QTRY_VERIFY(QFile::exists(marker_));
    }

    void aProgramThatCannotBeStartedCountsAsNone() {
        QFile broken(folders_[1]->filePath("hardinfo"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("this is not a program\n");
        broken.close();
        QVERIFY(broken.setPermissions(QFile::ReadOwner | QFile::ExeOwner));
        QVERIFY(!SystemInfoLauncher(folders_[1]->path()).Start());
    }

  private:
    std::vector<std::unique_ptr<QTemporaryDir>> folders_;
    QString marker_;
    const QString start_directory_ = QDir::currentPath();
};

}  // namespace pennix

QTEST_MAIN(pennix::SystemInfoTest)
#include "system_info_test.moc"
