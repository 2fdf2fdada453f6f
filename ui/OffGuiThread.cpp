#include "ui/OffGuiThread.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>

#include <memory>

void runOffGuiThread(QWidget* parent, const QString& text, const std::function<void()>& work)
{
    std::unique_ptr<QThread> worker(QThread::create(work));
    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    QProgressDialog progress(text, QString(), 0, 0, parent);
    progress.setWindowTitle(QCoreApplication::translate("MainWindow", "Kerfcraft"));
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(300);
    worker->start();
    // Input waits in the queue instead of reaching controls that would
    // change the document under the worker.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker->wait();
    progress.reset();
}
