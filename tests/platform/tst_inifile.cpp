#include "platform/IniFile.h"

#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QtTest>

// Real files in, bytes out: what the writer keeps matters as much as what it changes.
class TestIniFile : public QObject
{
    Q_OBJECT
private slots:
    void write_data()
    {
        QTest::addColumn<QByteArray>("before"); // null: no file
        QTest::addColumn<QByteArray>("after");

        QTest::newRow("new file") << QByteArray() << QByteArray("[Passermarks]\nSetMarks=1\nLength=25\n");
        QTest::newRow("CR LF, comments, other sections and key order kept")
            << QByteArray("; shared with the host\r\n[Other]\r\nLength=3\r\n\r\n[passermarks]\r\nlength = 20\r\n"
                          "; mm\r\nXStep=500\r\n\r\n[Last]\r\nA=1")
            << QByteArray("; shared with the host\r\n[Other]\r\nLength=3\r\n\r\n[passermarks]\r\nLength=25\r\n"
                          "; mm\r\nXStep=500\r\nSetMarks=1\r\n\r\n[Last]\r\nA=1");
        QTest::newRow("section appended after a last line without break")
            << QByteArray("[A]\r\nB=1") << QByteArray("[A]\r\nB=1\r\n[Passermarks]\r\nSetMarks=1\r\nLength=25\r\n");
        QTest::newRow("commented key is not the key")
            << QByteArray("[Passermarks]\n;SetMarks=0\n") << QByteArray("[Passermarks]\n;SetMarks=0\nSetMarks=1\nLength=25\n");
    }

    void write()
    {
        QFETCH(QByteArray, before);
        QTemporaryDir dir;
        const QString path = dir.filePath("Kerfcraft.ini");
        if (!before.isNull())
            QVERIFY(TestFiles::write(path, before));
        const IniFile::Values values{{"SetMarks", "1"}, {"Length", "25"}};
        QVERIFY(IniFile::write(path, "Passermarks", values));
        QTEST(TestFiles::read(path), "after");
        QCOMPARE(IniFile::readSection(path, "PASSERMARKS").value("length"), QString("25"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Kerfcraft.ini"}); // no temporary left

        // A folder that is a file cannot take the temporary file: an error, no crash.
        QString error;
        QVERIFY(!IniFile::write(path + "/sub.ini", "Passermarks", values, &error));
        QVERIFY(!error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
