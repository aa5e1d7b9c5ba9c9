// One game per settings file: the claim, the hand-over to the first game, and its release.
#include "ui/single_instance.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

namespace pennix {

class SingleInstanceTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { QVERIFY(directory_.isValid()); }

    void ALaterStartForTheSameFileBringsTheFirstForward() {
        SingleInstance first(File("pennix.ini"));
        int asked = 0;
        first.WhenStartedAgain([&asked] { ++asked; });
        QVERIFY(first.IsFirst());

        // The same file by another path is the same game.
        const SingleInstance second(File("folder/../pennix.ini"));
        QVERIFY(!second.IsFirst());
        QTRY_COMPARE(asked, 1);
        const SingleInstance third(File("pennix.ini"));
        QVERIFY(!third.IsFirst());
        QTRY_COMPARE(asked, 2);
    }

    void AnotherFileIsAnotherGame() {
        const SingleInstance first(File("pennix.ini"));
        const SingleInstance other(File("folder/pennix.ini"));
        QVERIFY(first.IsFirst());
        QVERIFY(other.IsFirst());
    }

    void TheFileIsFreeOnceTheFirstGameHasEnded() {
        std::optional<SingleInstance> first(std::in_place, File("pennix.ini"));
        QVERIFY(first->IsFirst());
        first.reset();
        const SingleInstance next(File("pennix.ini"));
        QVERIFY(next.IsFirst());
    }

  private:
    std::filesystem::path File(const QString& name) const {
        return directory_.filePath(name).toStdString();
    }

    QTemporaryDir directory_;
};

}  // namespace pennix

QTEST_GUILESS_MAIN(pennix::SingleInstanceTest)
#include "single_instance_test.moc"
