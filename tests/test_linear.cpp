#include "dialog_test_support.h"

#include <QAccessible>

#include <limits>

using namespace platform;

namespace {

constexpr float Infinity = std::numeric_limits<float>::infinity();

} // namespace

class TestLinear : public QObject
{
    Q_OBJECT

    DialogFixture<frmLinear> m_fixture{"cmdLinear"};

    frmLinear &open() { return m_fixture.open(); }

private slots:
    void init() { m_fixture.start(); }
    void cleanup() { m_fixture.stop(); }

    void labelsAndTabOrder()
    {
        frmLinear &dialog = open();
        QCOMPARE(dialog.control<QLabel>("Label1")->font().pixelSize(), 19);
        QCOMPARE(Equation(dialog), QStringLiteral("y  =  1x  +  10"));

        QCOMPARE(TabOrderFrom(Box(dialog, "txtM")), QStringList({"txtc", "cmdOK", "cmdExit", "txtM"}));
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
        // clang-format off
        QTest::newRow("1, 10")                 << "1"          << "10"    << "y  =  1x  +  10"               << 1.0f        << 10.0f;
        QTest::newRow("2, -3.5")               << "2"          << "-3.5"  << "y  =  2x  +  -3.5"             << 2.0f        << -3.5f;
        QTest::newRow("0.5, 0")                << "0.5"        << "0"     << "y  =  0.5x  +  0"              << 0.5f        << 0.0f;
        QTest::newRow("-1, 10")                << "-1"         << "10"    << "y  =  -1x  +  10"              << -1.0f       << 10.0f;
        QTest::newRow("Single digits")         << "1.23456789" << "0.1"   << "y  =  1.234568x  +  0.1"       << 1.23456789f << 0.1f;
        QTest::newRow("text after the number") << "2abc"       << "x"     << "y  =  2x  +  0"                << 2.0f        << 0.0f;
        QTest::newRow("emptied boxes")         << ""           << ""      << "y  =  0x  +  0"                << 0.0f        << 0.0f;
        QTest::newRow("beyond Single")         << "1e39"       << "-1e39" << "y  =  Infinityx  +  -Infinity" << Infinity    << -Infinity;
        // clang-format on
    }
    void equationLabel()
    {
        QFETCH(QString, m);
        QFETCH(QString, c);
        QFETCH(QString, label);
        QFETCH(float, slope);
        QFETCH(float, intercept);
        frmLinear &dialog = open();
        FillIn(dialog, {{"txtM", m}, {"txtc", c}});
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
        PasteOver(txtM, LongPaste());
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
        QVERIFY(Activate(m_fixture.panel()));
        QCOMPARE(dialog.focusWidget(), txtM);
        QCOMPARE(graph_mdl::LinearSlope, 1.0f);
        QVERIFY(Activate(dialog));
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
        const QRgb onOneX = GraphPixel({100, 299});   // x + 10 at x = -19.925
        const QRgb onTwelveX = GraphPixel({243, 50}); // 12x + 10 is steep: sampled by rows, y = 27.425 here
        QCOMPARE(onOneX == qRgb(0, 0, 0), byEnter);
        QCOMPARE(onTwelveX == qRgb(0, 0, 0), !byEnter);
    }

    void drawingWithTheDesignTextsDrawsXPlusTen()
    {
        frmLinear &dialog = open();
        dialog.control<QPushButton>("cmdOK")->click();
        // x + 10 at x = -27.425, -4.925 and 10.075
        for (const QPoint onTheLine : {QPoint(50, 349), QPoint(200, 199), QPoint(300, 99)})
            QCOMPARE(GraphPixel(onTheLine), qRgb(0, 0, 0));
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
        QVERIFY(m_fixture.close(dialog, byCloseBox));
        QCOMPARE(graph_mdl::LinearSlope, 3.0f);
        QCOMPARE(graph_mdl::LinearIntercept, 4.0f);

        frmLinear &fresh = m_fixture.openAgain();
        QCOMPARE(Texts(fresh, {"txtM", "txtc"}), QStringList({"1", "10"}));
        QCOMPARE(Equation(fresh), QStringLiteral("y  =  1x  +  10"));
        QCOMPARE(graph_mdl::LinearSlope, 1.0f);
        QCOMPARE(graph_mdl::LinearIntercept, 10.0f);
    }

    // Closed before the window system has activated it: the activation then
    // arrives for the hidden dialog, and its m box loses the focus only as the
    // dialog is destroyed. No handler of an unloaded dialog may run then.
    void closingBeforeActivationRunsNoHandlerOfTheUnloadedDialog()
    {
        m_fixture.panel().control<QPushButton>("cmdLinear")->click();
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
        // clang-format off
        QTest::newRow("mapping beyond Single")            << "1e35" << "10";
        QTest::newRow("m * 50 beyond Single")             << "1e37" << "10";
        QTest::newRow("infinite slope")                   << "1e39" << "10";
        QTest::newRow("invalid: infinity minus infinity") << "1e39" << "-1e39";
        // clang-format on
    }
    void runtimeErrorsAreReportedAndNothingIsLost()
    {
        QFETCH(QString, m);
        QFETCH(QString, c);
        // x + 10, then -x + 10, at x = -19.925
        m_fixture.checkFaultIsReportedAndNothingIsLost({{"txtM", m}, {"txtc", c}}, {{"txtM", "-1"}, {"txtc", "10"}},
                                                       QPoint(100, 299), QPoint(100, 33));
    }

    void numberBeyondTheDoubleRangeIsReported()
    {
        const RecordedErrors recorded;
        frmLinear &dialog = open();
        TypeInto(Box(dialog, "txtc"), QStringLiteral("1e400"));
        // "1e40" still read (as an infinite Single); the last keystroke is reported.
        QCOMPARE(recorded.numbers(), std::vector<int>{6});
        QCOMPARE(graph_mdl::LinearIntercept, Infinity);
        QCOMPARE(Equation(dialog), QStringLiteral("y  =  1x  +  Infinity"));
        QCOMPARE(Box(dialog, "txtc")->text(), QStringLiteral("1e400"));
        QVERIFY(!HasEnded());
        TypeInto(Box(dialog, "txtc"), QStringLiteral("-2"));
        dialog.control<QPushButton>("cmdOK")->click();
        QCOMPARE(GraphPixel({100, 379}), qRgb(0, 0, 0)); // x - 2 at x = -19.925
    }
};

CURVISTA_TEST_MAIN(TestLinear)
#include "test_linear.moc"
