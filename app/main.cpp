#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel w(QStringLiteral("Kerfcraft"));
    w.setWindowTitle(QStringLiteral("Kerfcraft"));
    w.show();
    return app.exec();
}
