#pragma once

#include "ui_MainWindow.h"
#include "ui_MainWindowAllgemein.h"
#include "ui_MainWindowObjektauswahl.h"
#include "ui_MainWindowOptionen.h"
#include "ui_MainWindowPlotter.h"

// The main window's widgets under one name: the frame form and one form per
// tab, each set up into its tab page, so every widget is ui->name.
struct MainWindowForm : Ui::MainWindow,
                        Ui::MainWindowAllgemein,
                        Ui::MainWindowOptionen,
                        Ui::MainWindowObjektauswahl,
                        Ui::MainWindowPlotter {
    void setupUi(QMainWindow* window)
    {
        Ui::MainWindow::setupUi(window);
        Ui::MainWindowAllgemein::setupUi(tabAllgemein);
        Ui::MainWindowOptionen::setupUi(tabOptionen);
        Ui::MainWindowObjektauswahl::setupUi(tabObjektauswahl);
        Ui::MainWindowPlotter::setupUi(tabPlotter);
    }
    void retranslateUi(QMainWindow* window)
    {
        Ui::MainWindow::retranslateUi(window);
        Ui::MainWindowAllgemein::retranslateUi(tabAllgemein);
        Ui::MainWindowOptionen::retranslateUi(tabOptionen);
        Ui::MainWindowObjektauswahl::retranslateUi(tabObjektauswahl);
        Ui::MainWindowPlotter::retranslateUi(tabPlotter);
    }
};
