#include "document/Document.h"
#include "presets/KerfcraftPresets.h"
#include "ui/MainWindow.h"

#include "support/RecordingMessages.h"
#include "support/TestPaths.h"

#include <QtTest>
#include <QtWidgets>

// A drawing dropped on the window opens as any drawing; a file that is no
// drawing is reported and the drawing stays.
class TestDrawingDrop : public QObject
{
    Q_OBJECT
private slots:
    void drops_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<int>("messages");
        QTest::newRow("SVG") << TestPaths::source("data/samples/aufkleber.svg") << true << true << 0;
        QTest::newRow("not a drawing") << TestPaths::source("README.md") << false << false << 0;
        QTest::newRow("broken SVG") << QStringLiteral("kaputt.svg") << true << false << 1;
    }
    void drops()
    {
        QFETCH(QString, file);
        QTemporaryDir dir;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
        if (QFileInfo(file).isRelative()) {
            file = dir.filePath(file);
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write("<svg") > 0);
        }
        RecordingMessages messages;
        KerfcraftPresets presets(messages, TestPaths::bin("KerfcraftPresets.xml"));
        presets.load();
        KerfcraftPresets::setInstance(&presets);
        MainWindow w(QStringList(), false, messages);
        messages.clear();
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(file)});
        QDragEnterEvent enter(QPoint(1, 1), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&w, &enter);
        QDropEvent drop(QPointF(1, 1), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&w, &drop);
        QTEST(w.document().nodeCount() > 0, "opens");
        QTEST(enter.isAccepted(), "accepted");
        QTEST(messages.count(), "messages");
        KerfcraftPresets::setInstance(nullptr);
    }
};

QTEST_MAIN(TestDrawingDrop)
#include "tst_drawingdrop.moc"
