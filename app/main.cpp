#include "app/Startup.h"
#include "app/Translations.h"
#include "platform/Logger.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Logger::keepOffTerminalUnlessAsked();
    // Destroyed before the application, after every window has closed.
    Translations translations;
    return Startup::run(argc, argv, translations);
}
