#include "dialog_test_support.h"

#include <QAccessible>

using namespace platform;

class TestLinear : public QObject
{
    Q_OBJECT

    frmControl *m_panel = nullptr;

    frmLinear &open() { return OpenFromPanel<frmLinear>(*m_panel, "cmdLinear"); }

private slots:
    void init() { m_panel = &StartProgram(); }
    void cleanup() { ResetProgram(); }

    void designAndTabOrder()
    {
        frmLinear &dialog = open();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("เขียนกราฟเส้นตรง"));
        QCOMPARE(dialog.windowType(), Qt::Tool);
        QVERIFY(dialog.windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!(dialog.windowFlags() & Qt::WindowMinimizeButtonHint));
        QCOMPARE(dialog.client()->size(), QSize(351, 251));
        const QPoint origin = QGuiApplication::primaryScreen()->geometry().topLeft();
        QCOMPARE(dialog.client()->mapToGlobal(QPoint(0, 0)), origin + QPoint(237, 258));
        QCOMPARE(dialog.control<QLabel>("Label1")->font().pixelSize(), 19);
        QCOMPARE(Equation(dialog), QStringLiteral("y  =  1x  +  10"));

        ClickInto(Box(dialog, "txtM"));
        const QList<QWidget *> order = {Box(dialog, "txtc"), dialog.control<QPushButton>("cmdOK"),
                                        dialog.control<QPushButton>("cmdExit"), Box(dialog, "txtM")};
        for (QWidget *next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void loadingSetsTheCoefficients()
    {
        QCOMPARE(graph_mdl::LinearSlope, 0.0f);
        open();
        QCOMPARE(graph_mdl::LinearSlope, 1.0f);
        QCOMPARE(graph_mdl::LinearIntercept, 10.0f);
    }

    void equationLabel_data()
    {
        QTest::addColumn<QString>("m");
        QTest::addColumn<QString>("c");
        QTest::addColumn<QString>("label");
        QTest::addColumn<float>("slope");
        QTest::addColumn<float>("intercept");
        QTest::newRow("1, 10") << "1"
                               << "10"
                               << "y  =  1x  +  10" << 1.0f << 10.0f;
        QTest::newRow("2, -3.5") << "2"
                                 << "-3.5"
                                 << "y  =  2x  +  -3.5" << 2.0f << -3.5f;
        QTest::newRow("0.5, 0") << "0.5"
                                << "0"
                                << "y  =  0.5x  +  0" << 0.5f << 0.0f;
        QTest::newRow("-1, 10") << "-1"
                                << "10"
                                << "y  =  -1x  +  10" << -1.0f << 10.0f;
        QTest::newRow("Single digits") << "1.23456789"
                                       << "0.1"
                                       << "y  =  1.234568x  +  0.1" << 1.23456789f << 0.1f;
        QTest::newRow("text after the number") << "2abc"
                                               << "x"
                                               << "y  =  2x  +  0" << 2.0f << 0.0f;
        QTest::newRow("emptied boxes") << ""
                                       << ""
                                       << "y  =  0x  +  0" << 0.0f << 0.0f;
        QTest::newRow("beyond Single") << "1e39"
                                       << "-1e39"
                                       << "y  =  Infinityx  +  -Infinity" << std::numeric_limits<float>::infinity()
                                       << -std::numeric_limits<float>::infinity();
    }
    void equationLabel()
    {
        QFETCH(QString, m);
        QFETCH(QString, c);
        QFETCH(QString, label);
        QFETCH(float, slope);
        QFETCH(float, intercept);
        frmLinear &dialog = open();
        TypeInto(Box(dialog, "txtM"), m);
        QTest::keyClick(Box(dialog, "txtM"), Qt::Key_Tab);
        TypeInto(Box(dialog, "txtc"), c);
        QCOMPARE(Equation(dialog), label);
        QCOMPARE(graph_mdl::LinearSlope, slope);
        QCOMPARE(graph_mdl::LinearIntercept, intercept);
    }

    void theEquationIsHeardAsItIsShown()
    {
        frmLinear &dialog = open();
        TypeInto(Box(dialog, "txtc"), QStringLiteral("-5"));
        QAccessibleInterface *label = QAccessible::queryAccessibleInterface(dialog.control<QLabel>("lblCurEQ"));
        QCOMPARE(label->text(QAccessible::Name), QStringLiteral("y  =  1x  +  -5"));
    }

    void aLongPastedSlopeIsReadWhole()
    {
        frmLinear &dialog = open();
        QLineEdit *txtM = Box(dialog, "txtM");
        ClickInto(txtM);
        txtM->selectAll();
        txtM->insert(QLatin1Char('2') + QString(99998, QLatin1Char(' ')) + QLatin1Char('5'));
        QTest::keyClick(txtM, Qt::Key_Tab);
        QCOMPARE(Equation(dialog), QStringLiteral("y  =  25x  +  10"));
        QCOMPARE(graph_mdl::LinearSlope, 25.0f);
    }

    void cFollowsEveryKeystroke()
    {
        frmLinear &dialog = open();
        TypeInto(Box(dialog, "txtc"), QString());
        const QStringList labels = {"y  =  1x  +  0", "y  =  1x  +  -3", "y  =  1x  +  -3", "y  =  1x  +  -3.5"};
        const QList<float> values = {0.0f, -3.0f, -3.0f, -3.5f};
        const QString keys = QStringLiteral("-3.5");
        for (int i = 0; i < keys.size(); ++i) {
            QTest::keyClicks(Box(dialog, "txtc"), keys.mid(i, 1));
            QCOMPARE(Equation(dialog), labels[i]);
            QCOMPARE(graph_mdl::LinearIntercept, values[i]);
        }
    }

    void mIsStoredOnlyWhenItsBoxLosesTheFocus()
    {
        frmLinear &dialog = open();
        QLineEdit *txtM = Box(dialog, "txtM");
        ClickInto(txtM);
        QTest::keyClick(txtM, Qt::Key_End);
        QTest::keyClicks(txtM, QStringLiteral("2"));
        QCOMPARE(txtM->text(), QStringLiteral("12"));
        QCOMPARE(graph_mdl::LinearSlope, 1.0f);
        QCOMPARE(Equation(dialog), QStringLiteral("y  =  1x  +  10"));

        // Another window becoming active is no loss of focus.
        m_panel->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_panel));
        QCOMPARE(dialog.focusWidget(), txtM);
        QCOMPARE(graph_mdl::LinearSlope, 1.0f);
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(QApplication::focusWidget(), txtM);
        QCOMPARE(graph_mdl::LinearSlope, 1.0f);

        QTest::keyClick(txtM, Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), dialog.control<QPushButton>("cmdExit"));
        QCOMPARE(graph_mdl::LinearSlope, 12.0f);
        QCOMPARE(Equation(dialog), QStringLiteral("y  =  12x  +  10"));
    }

    // Typing 2 after the 1 in m: Enter draws y = 1x + 10 and leaves the focus
    // in the box; a click on the button first takes the focus, so it draws
    // y = 12x + 10.
    void enterDrawsTheStoredSlopeAClickTheTypedOne_data()
    {
        QTest::addColumn<bool>("byEnter");
        QTest::addColumn<float>("slope");
        QTest::newRow("Enter") << true << 1.0f;
        QTest::newRow("mouse click") << false << 12.0f;
    }
    void enterDrawsTheStoredSlopeAClickTheTypedOne()
    {
        QFETCH(bool, byEnter);
        QFETCH(float, slope);
        frmLinear &dialog = open();
        QLineEdit *txtM = Box(dialog, "txtM");
        ClickInto(txtM);
        QTest::keyClick(txtM, Qt::Key_End);
        QTest::keyClicks(txtM, QStringLiteral("2"));
        if (byEnter) {
            QTest::keyClick(txtM, Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), txtM);
        } else {
            QTest::mouseClick(dialog.control<QPushButton>("cmdOK"), Qt::LeftButton);
            QCOMPARE(QApplication::focusWidget(), dialog.control<QPushButton>("cmdOK"));
        }
        QCOMPARE(graph_mdl::LinearSlope, slope);
        const float x = ColumnCentreX(100);
        const QRgb onOneX = GraphPixel(WorldPixel(x, x + 10));
        const float y = RowCentreY(50); // y = 12x + 10 is steep: sampled by rows
        const QRgb onTwelveX = GraphPixel(WorldPixel((y - 10) / 12, y));
        QCOMPARE(onOneX == qRgb(0, 0, 0), byEnter);
        QCOMPARE(onTwelveX == qRgb(0, 0, 0), !byEnter);
    }

    void enterInTheCBoxDrawsTheCJustTyped()
    {
        frmLinear &dialog = open();
        TypeInto(Box(dialog, "txtc"), QStringLiteral("-5"));
        QTest::keyClick(Box(dialog, "txtc"), Qt::Key_Enter);
        const float x = ColumnCentreX(300);
        QCOMPARE(GraphPixel(WorldPixel(x, x - 5)), qRgb(0, 0, 0));
    }

    void drawingWithTheDesignTextsDrawsXPlusTen()
    {
        frmLinear &dialog = open();
        dialog.control<QPushButton>("cmdOK")->click();
        for (const int column : {50, 200, 300}) {
            const float x = ColumnCentreX(column);
            QCOMPARE(GraphPixel(WorldPixel(x, x + 10)), qRgb(0, 0, 0));
        }
    }

    void pressingThePanelButtonAgainKeepsTheDialog()
    {
        frmLinear &dialog = open();
        TypeInto(Box(dialog, "txtc"), QStringLiteral("5"));
        frmLinear &again = open();
        QCOMPARE(&again, &dialog);
        QCOMPARE(Box(again, "txtc")->text(), QStringLiteral("5"));
        QCOMPARE(graph_mdl::LinearIntercept, 5.0f);
    }

    void reopeningStartsFromTheDesign_data()
    {
        QTest::addColumn<bool>("byCloseBox");
        QTest::newRow("close button") << false;
        QTest::newRow("close box") << true;
    }
    void reopeningStartsFromTheDesign()
    {
        QFETCH(bool, byCloseBox);
        frmLinear &dialog = open();
        TypeInto(Box(dialog, "txtM"), QStringLiteral("3"));
        TypeInto(Box(dialog, "txtc"), QStringLiteral("4"));
        if (byCloseBox)
            dialog.close();
        else
            QTest::mouseClick(dialog.control<QPushButton>("cmdExit"), Qt::LeftButton);
        QVERIFY(!LoadedInstance<frmLinear>());
        QCOMPARE(graph_mdl::LinearSlope, 3.0f);
        QCOMPARE(graph_mdl::LinearIntercept, 4.0f);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        frmLinear &fresh = open();
        QCOMPARE(Box(fresh, "txtM")->text(), QStringLiteral("1"));
        QCOMPARE(Box(fresh, "txtc")->text(), QStringLiteral("10"));
        QCOMPARE(Equation(fresh), QStringLiteral("y  =  1x  +  10"));
        QCOMPARE(graph_mdl::LinearSlope, 1.0f);
        QCOMPARE(graph_mdl::LinearIntercept, 10.0f);
    }

    // Closed before the window system has activated it: the activation then
    // arrives for the hidden dialog, and its m box loses the focus only as the
    // dialog is destroyed. No handler of an unloaded dialog may run then.
    void closingBeforeActivationRunsNoHandlerOfTheUnloadedDialog()
    {
        m_panel->control<QPushButton>("cmdLinear")->click();
        Instance<frmLinear>().control<QPushButton>("cmdExit")->click();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!LoadedInstance<frmLinear>());
        QCOMPARE(graph_mdl::LinearSlope, 1.0f);
    }

    // Each error the linear dialog can raise is reported; the next line is
    // drawn and the one drawn before stays.
    void runtimeErrorsAreReportedAndNothingIsLost_data()
    {
        QTest::addColumn<QString>("m");
        QTest::addColumn<QString>("c");
        QTest::newRow("mapping beyond Single") << "1e35"
                                               << "10";
        QTest::newRow("m * 50 beyond Single") << "1e37"
                                              << "10";
        QTest::newRow("infinite slope") << "1e39"
                                        << "10";
        QTest::newRow("invalid: infinity minus infinity") << "1e39"
                                                          << "-1e39";
    }
    void runtimeErrorsAreReportedAndNothingIsLost()
    {
        QFETCH(QString, m);
        QFETCH(QString, c);
        const RecordedErrors recorded;
        frmLinear &dialog = open();
        dialog.control<QPushButton>("cmdOK")->click();
        TypeInto(Box(dialog, "txtM"), m);
        QTest::keyClick(Box(dialog, "txtM"), Qt::Key_Tab);
        TypeInto(Box(dialog, "txtc"), c);
        dialog.control<QPushButton>("cmdOK")->click();
        QCOMPARE(recorded.numbers(), std::vector<int>{6});
        QVERIFY(!HasEnded());
        QVERIFY(dialog.isVisible());
        const float x = ColumnCentreX(100);
        QCOMPARE(GraphPixel(WorldPixel(x, x + 10)), qRgb(0, 0, 0));

        TypeInto(Box(dialog, "txtM"), QStringLiteral("-1"));
        QTest::keyClick(Box(dialog, "txtM"), Qt::Key_Tab);
        TypeInto(Box(dialog, "txtc"), QStringLiteral("10"));
        dialog.control<QPushButton>("cmdOK")->click();
        QCOMPARE(recorded.numbers(), std::vector<int>{6});
        QCOMPARE(GraphPixel(WorldPixel(x, -x + 10)), qRgb(0, 0, 0));
        QCOMPARE(GraphPixel(WorldPixel(x, x + 10)), qRgb(0, 0, 0));
    }

    void numberBeyondTheDoubleRangeIsReported()
    {
        const RecordedErrors recorded;
        frmLinear &dialog = open();
        TypeInto(Box(dialog, "txtc"), QStringLiteral("1e400"));
        // "1e40" still read (as an infinite Single); the last keystroke is reported.
        QCOMPARE(recorded.numbers(), std::vector<int>{6});
        QCOMPARE(graph_mdl::LinearIntercept, std::numeric_limits<float>::infinity());
        QCOMPARE(Equation(dialog), QStringLiteral("y  =  1x  +  Infinity"));
        QCOMPARE(Box(dialog, "txtc")->text(), QStringLiteral("1e400"));
        QVERIFY(!HasEnded());
        TypeInto(Box(dialog, "txtc"), QStringLiteral("-2"));
        dialog.control<QPushButton>("cmdOK")->click();
        const float x = ColumnCentreX(100);
        QCOMPARE(GraphPixel(WorldPixel(x, x - 2)), qRgb(0, 0, 0));
    }
};

CURVISTA_TEST_MAIN(TestLinear)
#include "test_linear.moc"
