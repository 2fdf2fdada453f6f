#pragma once

#include <QString>

#include <functional>

class QWidget;

// Long work of a window action (reading a drawing or job file of a million
// nodes, generating the whole stream for its figures or for "Testdata",
// writing a job or FCM file) runs on a worker thread while the GUI thread
// keeps painting. A modal progress window with `text` appears when the work
// lasts longer than 300 ms. Returns when the work is done.
//
// Clicks and key presses that arrive meanwhile are held back and delivered
// afterwards, so the user cannot change the document the work is reading.
// The work must not touch widgets; it may ask through UserMessages, which
// blocks the worker until the GUI thread has an answer.
void runOffGuiThread(QWidget* parent, const QString& text, const std::function<void()>& work);
