#pragma once

#include "platform/forms/form.h"
#include "test_support.h"

#include <QApplication>
#include <QLineEdit>

// A paste of 100000 characters, "2", blanks and "5", that Val reads as 25
// only if the box keeps it whole (a QLineEdit keeps 32767 unless told).
inline QString LongPaste()
{
    return QLatin1Char('2') + QString(99998, QLatin1Char(' ')) + QLatin1Char('5');
}

// Pastes over all of the box's text, as Ctrl+A then Ctrl+V do.
inline void PasteOver(QLineEdit *box, const QString &text)
{
    box->selectAll();
    box->insert(text);
}

// Runs a test class of windows and controls headless.
#define CURVISTA_TEST_MAIN(TestClass) CURVISTA_TEST_MAIN_IN(QApplication, TestClass)
