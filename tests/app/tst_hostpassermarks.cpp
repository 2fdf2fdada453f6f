#include "app/HostPassermarks.h"

#include "support/RecordingMessages.h"
#include "support/RecordingProcessRunner.h"
#include "support/TestFiles.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

// Registration-mark mode from the dialog to what the host receives: the ini
// file's bytes or the transfer program's command line.
class TestHostPassermarks : public QObject
{
    Q_OBJECT
private slots:
    void deliver_data()
    {
        QTest::addColumn<bool>("corel");
        QTest::addColumn<QByteArray>("ini");  // before; null: no file
        QTest::addColumn<QString>("steps");   // what the user does in the dialog
        QTest::addColumn<QString>("shown");   // the dialog's values: length thickness margin hor vert x y
        QTest::addColumn<QByteArray>("after"); // the ini file afterwards
        QTest::addColumn<QString>("command"); // the transfer program's command line
        QTest::addColumn<int>("exitCode");

        const QByteArray values = "[Passermarks]\r\nSetMarks=0\r\nDeleteMarks=1\r\nLength=30\r\nThickness=5\r\n"
                                  "Margin=15\r\nUseHorSegmentMarks=1\r\nUseVertSegmentMarks=0\r\nXStep=400\r\nYStep=500\r\n";
        QByteArray set = values;
        set.replace("SetMarks=0\r\nDeleteMarks=1", "SetMarks=1\r\nDeleteMarks=0");
        QByteArray setVert = set;
        setVert.replace("UseVertSegmentMarks=0\r\nXStep=400\r\nYStep=500", "UseVertSegmentMarks=1\r\nXStep=400\r\nYStep=650");
        const QByteArray defaults = "[Passermarks]\nSetMarks=1\nDeleteMarks=0\nLength=20\nThickness=10\nMargin=15\n"
                                    "UseHorSegmentMarks=0\nUseVertSegmentMarks=0\nXStep=500\nYStep=500\n";
        const QString program = HostPassermarks::transferProgram(".", true);

        QTest::newRow("no ini: defaults written") << false << QByteArray() << "set" << "20 10 15 0 0 500 500"
                                                  << defaults << "" << 0;
        QTest::newRow("values from the ini, vertical segments added")
            << false << values << "vert y=650 set" << "30 5 15 1 0 400 500" << setVert << "" << 0;
        QTest::newRow("delete writes two keys") << false << set << "delete" << "30 5 15 1 0 400 500" << values << "" << 0;
        QTest::newRow("closed by the frame: ini untouched") << false << set << "close" << "30 5 15 1 0 400 500"
                                                            << set << "" << 0;
        QTest::newRow("corel set") << true << QByteArray() << "set" << "20 10 15 0 0 500 500" << QByteArray()
                                   << program + " CreateRegMarks 1000 20 10 15 500 500" << 0;
        QTest::newRow("corel delete") << true << QByteArray() << "delete" << "20 10 15 0 0 500 500" << QByteArray()
                                      << program + " DeleteRegMarks" << 0;
        QTest::newRow("corel cancel still starts it") << true << QByteArray() << "cancel" << "20 10 15 0 0 500 500"
                                                      << QByteArray() << program << 0;
        QTest::newRow("corel transfer program missing") << true << QByteArray() << "set missing"
                                                        << "20 10 15 0 0 500 500" << QByteArray() << "" << 2;
        QTest::newRow("ini not writable") << false << QByteArray() << "set unwritable" << "20 10 15 0 0 500 500"
                                          << QByteArray() << "" << 1;
    }

    void deliver()
    {
        QFETCH(bool, corel);
        QFETCH(QByteArray, ini);
        QFETCH(QString, steps);
        QFETCH(int, exitCode);

        QTemporaryDir dir;
        // An ini path below a file cannot be written.
        const QString iniFile = steps.contains("unwritable") ? dir.filePath("file/Kerfcraft.ini")
                                                             : dir.filePath("Kerfcraft/Kerfcraft.ini");
        if (steps.contains("unwritable"))
            QVERIFY(TestFiles::write(dir.filePath("file")));
        if (!ini.isNull())
            QVERIFY(TestFiles::write(iniFile, ini));

        PassermarkenDialog dialog;
        dialog.setSettings(HostPassermarks::settingsFromIni(IniFile::readSection(iniFile, HostPassermarks::Section)));
        const PassermarkSettings s = dialog.settings();
        QTEST(QStringLiteral("%1 %2 %3 %4 %5 %6 %7").arg(s.length).arg(s.thickness).arg(s.margin)
                  .arg(s.useHorSegmentMarks).arg(s.useVertSegmentMarks).arg(s.xStep).arg(s.yStep), "shown");
        QCOMPARE(dialog.findChild<QSpinBox*>("spinBoxYStep")->isEnabled(), s.useVertSegmentMarks);

        dialog.show();
        for (const QString& step : steps.split(' ')) {
            if (step == "vert")
                QTest::mouseClick(dialog.findChild<QCheckBox*>("checkBoxUseVertSegMarks"), Qt::LeftButton);
            else if (step.startsWith("y="))
                dialog.findChild<QSpinBox*>("spinBoxYStep")->setValue(step.mid(2).toInt());
            else if (step == "close")
                dialog.close();
            else if (step == "set" || step == "delete" || step == "cancel")
                dialog.findChild<QPushButton*>(step == "set" ? "pushButtonMarkenSetzen"
                                               : step == "delete" ? "pushButtonMarkenEntfernen"
                                                                  : "pushButtonCancel")->click();
        }
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.findChild<QSpinBox*>("spinBoxYStep")->isEnabled(), dialog.useVertSegMarks());

        RecordingProcessRunner processes;
        if (!steps.contains("missing"))
            processes.existing << HostPassermarks::transferProgram(".", true);
        RecordingMessages messages;
        const int code = HostPassermarks::deliver({dialog.action(), dialog.settings()}, corel, iniFile, ".",
                                                  processes, messages);
        QCOMPARE(code, exitCode);
        QTEST(TestFiles::read(iniFile), "after");
        QTEST(processes.lines.join('\n'), "command");
        QCOMPARE(messages.count(), exitCode != 0 ? 1 : 0);
    }
};

QTEST_MAIN(TestHostPassermarks)
#include "tst_hostpassermarks.moc"
