#include "app/HostPassermarks.h"
#include "platform/Environment.h"
#include "platform/RecordingProcessRunner.h"

#include "support/RecordingMessages.h"
#include "support/TestFiles.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QByteArray kIni = "[Passermarks]\r\nSetMarks=0\r\nDeleteMarks=1\r\nLength=30\r\nThickness=5\r\nMargin=15\r\n"
                        "UseHorSegmentMarks=1\r\nUseVertSegmentMarks=0\r\nXStep=400\r\nYStep=500\r\n";
}

// Registration-mark mode from the dialog to what the host receives (the ini
// file's bytes or the transfer program's command line), and the ini writer
// on real files: what it keeps matters as much as what it changes.
class TestHostPassermarks : public QObject
{
    Q_OBJECT
private slots:
    void iniWriter_data()
    {
        QTest::addColumn<QByteArray>("before"); // null: no file
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("new file") << QByteArray() << QByteArray("[Passermarks]\nSetMarks=1\nLength=25\n");
        QTest::newRow("CR LF, comments, other sections, key order")
            << QByteArray("; host\r\n[Other]\r\nLength=3\r\n\r\n[passermarks]\r\nlength = 20\r\n; mm\r\nX=5\r\n\r\n[Last]\r\nA=1")
            << QByteArray("; host\r\n[Other]\r\nLength=3\r\n\r\n[passermarks]\r\nLength=25\r\n; mm\r\nX=5\r\nSetMarks=1\r\n\r\n[Last]\r\nA=1");
        QTest::newRow("no break at the end, a commented key")
            << QByteArray("[A]\r\n;SetMarks=0") << QByteArray("[A]\r\n;SetMarks=0\r\n[Passermarks]\r\nSetMarks=1\r\nLength=25\r\n");
    }
    void iniWriter()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Kerfcraft.ini");
        QFETCH(QByteArray, before);
        QVERIFY(before.isNull() || TestFiles::write(path, before));
        QVERIFY(IniFile::write(path, "Passermarks", {{"SetMarks", "1"}, {"Length", "25"}}));
        QTEST(TestFiles::read(path), "after");
    }

    void deliver_data()
    {
        QTest::addColumn<bool>("corel");
        QTest::addColumn<QString>("steps");    // the user's clicks; "missing": no transfer program, "bad": ini unwritable
        QTest::addColumn<QByteArray>("after"); // the ini file afterwards; it starts as "ini" below
        QTest::addColumn<QString>("command");  // the transfer program's parameters
        QTest::addColumn<int>("exitCode");

        const QByteArray ini = kIni;
        QByteArray set = ini;
        set.replace("SetMarks=0\r\nDeleteMarks=1", "SetMarks=1\r\nDeleteMarks=0")
            .replace("UseVertSegmentMarks=0\r\nXStep=400\r\nYStep=500", "UseVertSegmentMarks=1\r\nXStep=400\r\nYStep=650");
        QTest::newRow("ini values shown, vertical segments added") << false << "vert y=650 set" << set << "" << 0;
        QTest::newRow("delete writes two keys") << false << "delete" << ini << "" << 0;
        QTest::newRow("closed by the frame: untouched") << false << "close" << ini << "" << 0;
        QTest::newRow("ini not writable") << false << "set bad" << ini << "" << 1;
        QTest::newRow("corel set") << true << "set" << ini << "CreateRegMarks 1000 30 5 15 400 500" << 0;
        QTest::newRow("corel delete") << true << "delete" << ini << "DeleteRegMarks" << 0;
        QTest::newRow("corel cancel still starts it") << true << "cancel" << ini << "" << 0;
        QTest::newRow("corel transfer program missing") << true << "set missing" << ini << "none" << 2;
    }
    void deliver()
    {
        QFETCH(QString, steps);
        QTemporaryDir dir;
        const QString iniFile = dir.filePath("Kerfcraft.ini");
        QVERIFY(TestFiles::write(iniFile, kIni));
        PassermarkenDialog dialog;
        dialog.setSettings(HostPassermarks::settingsFromIni(IniFile::readSection(iniFile, HostPassermarks::Section)));
        QVERIFY(!dialog.findChild<QSpinBox*>("spinBoxYStep")->isEnabled());
        dialog.show();
        for (const QString& step : steps.split(' ')) {
            if (step == "vert")
                QTest::mouseClick(dialog.findChild<QCheckBox*>("checkBoxUseVertSegMarks"), Qt::LeftButton);
            else if (step.startsWith("y="))
                dialog.findChild<QSpinBox*>("spinBoxYStep")->setValue(step.mid(2).toInt());
            else if (step == "close")
                dialog.close();
            else if (const char* button = step == "set" ? "pushButtonMarkenSetzen" : step == "delete" ? "pushButtonMarkenEntfernen"
                                          : step == "cancel" ? "pushButtonCancel" : nullptr)
                dialog.findChild<QPushButton*>(button)->click();
        }
        QVERIFY(!dialog.isVisible());

        RecordingProcessRunner processes;
        const QString program = HostPassermarks::transferProgram(".", Environment::is64BitSystem());
        if (!steps.contains("missing"))
            processes.existing << program;
        RecordingMessages messages;
        QFETCH(bool, corel);
        const int code = HostPassermarks::deliver({dialog.action(), dialog.settings()}, corel,
                                                  steps.contains("bad") ? iniFile + "/x.ini" : iniFile, ".", processes, messages);
        QTEST(code, "exitCode");
        QTEST(TestFiles::read(iniFile), "after");
        QFETCH(QString, command);
        QCOMPARE(processes.lines, !corel || command == "none" ? QStringList() : QStringList{(program + ' ' + command).trimmed()});
        QCOMPARE(messages.count(), code != 0 ? 1 : 0);
    }
};

QTEST_MAIN(TestHostPassermarks)
#include "tst_hostpassermarks.moc"
