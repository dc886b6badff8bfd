#pragma once

#include "platform/form.h"
#include "test_support.h"

#include <QApplication>

// Runs a test class of windows and controls headless.
#define CURVISTA_TEST_MAIN(TestClass) CURVISTA_TEST_MAIN_IN(QApplication, TestClass)
