#include "app/Startup.h"
#include "app/Translations.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Destroyed before the application, after every window has closed.
    Translations translations;
    return Startup::run(argc, argv, translations);
}
