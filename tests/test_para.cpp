#include "dialog_test_support.h"

using namespace platform;

class TestPara : public QObject
{
    Q_OBJECT

    DialogFixture<frmPara> m_fixture{"cmdParabola"};

    frmPara &open() { return m_fixture.open(); }

    static void type(frmPara &dialog, const QString &a, const QString &b, const QString &c)
    {
        FillIn(dialog, {{"txta", a}, {"txtb", b}, {"txtc", c}});
    }

private slots:
    void init() { m_fixture.start(); }
    void cleanup() { m_fixture.stop(); }

    void exponentsAndTabOrder()
    {
        frmPara &dialog = open();
        for (const char *exponent : {"Label4", "Label5"}) {
            auto *label = dialog.control<QLabel>(exponent);
            QCOMPARE(label->text(), QStringLiteral("2"));
            QVERIFY(!label->autoFillBackground());
            QVERIFY(label->font().bold());
            QCOMPARE(label->font().pixelSize(), 11);
            QCOMPARE(label->x(), 168);
        }
        // Drawn above the equation labels they belong to.
        const QObjectList children = dialog.client()->children();
        QVERIFY(children.indexOf(dialog.control<QLabel>("Label5")) >
                children.indexOf(dialog.control<QLabel>("lblCurEQ")));

        QCOMPARE(TabOrderFrom(Box(dialog, "txta")), QStringList({"txtb", "txtc", "cmdExit", "cmdOK", "txta"}));
    }

    void designCaptionStaysUntilTheFirstEdit()
    {
        frmPara &dialog = open();
        QCOMPARE(Equation(dialog), QStringLiteral("y  =  1x   +  0x + 0"));
        ClickInto(Box(dialog, "txta"));
        QTest::keyClick(Box(dialog, "txta"), Qt::Key_End);
        QTest::keyClicks(Box(dialog, "txta"), QStringLiteral("2"));
        QCOMPARE(Equation(dialog), QStringLiteral("y  =  12x  +  0x  +  0"));
    }

    void equationLabel_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("c");
        QTest::addColumn<QString>("label");
        // clang-format off
        QTest::newRow("1, 0, 0")          << "1"          << "0"    << "0"   << "y  =  1x  +  0x  +  0";
        QTest::newRow("2, -3.5, 1")       << "2"          << "-3.5" << "1"   << "y  =  2x  +  -3.5x  +  1";
        QTest::newRow("0.5, 0, -4")       << "0.5"        << "0"    << "-4"  << "y  =  0.5x  +  0x  +  -4";
        QTest::newRow("Double digits")    << "1.23456789" << "0"    << "0"   << "y  =  1.23456789x  +  0x  +  0";
        QTest::newRow("emptied and text") << ""           << "3abc" << "abc" << "y  =  0x  +  3x  +  0";
        QTest::newRow("beyond Single")    << "1e39"       << "0"    << "0"   << "y  =  1E+39x  +  0x  +  0";
        // clang-format on
    }
    void equationLabel()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, c);
        QFETCH(QString, label);
        frmPara &dialog = open();
        type(dialog, a, b, c);
        QCOMPARE(Equation(dialog), label);
    }

    void drawingWithTheDesignTextsDrawsXSquared()
    {
        frmPara &dialog = open();
        QTest::mouseClick(dialog.control<QPushButton>("cmdOK"), Qt::LeftButton);
        // World (-5, 25), (-2, 4), (0, 0) and (3, 9); (3.5, 10.5) is off the curve.
        for (const QPoint onTheCurve : {QPoint(200, 66), QPoint(220, 206), QPoint(233, 233), QPoint(253, 173)})
            QCOMPARE(GraphPixel(onTheCurve), qRgb(0, 0, 0));
        QCOMPARE(GraphPixel({256, 163}), qRgb(255, 255, 255));
    }

    void enterInAnyBoxDrawsWithoutMovingTheFocus_data()
    {
        QTest::addColumn<QString>("box");
        QTest::newRow("a") << "txta";
        QTest::newRow("b") << "txtb";
        QTest::newRow("c") << "txtc";
    }
    void enterInAnyBoxDrawsWithoutMovingTheFocus()
    {
        QFETCH(QString, box);
        frmPara &dialog = open();
        type(dialog, QStringLiteral("-1"), QStringLiteral("2"), QStringLiteral("3.5"));
        QLineEdit *focused = Box(dialog, qPrintable(box));
        ClickInto(focused);
        QTest::keyClick(focused, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), focused);
        // World (-2, -4.5), (1, 4.5) and (4, -4.5)
        for (const QPoint onTheCurve : {QPoint(220, 263), QPoint(240, 203), QPoint(260, 263)})
            QCOMPARE(GraphPixel(onTheCurve), qRgb(0, 0, 0));
    }

    void drawsWithTheSingleOfWhatIsTyped()
    {
        frmPara &dialog = open();
        type(dialog, QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("1.23456789"));
        dialog.control<QPushButton>("cmdOK")->click();
        QCOMPARE(GraphPixel({233, 225}), qRgb(0, 0, 0)); // world (0, 1.234568)
    }

    void reopeningStartsFromTheDesign()
    {
        frmPara &dialog = open();
        type(dialog, QStringLiteral("7"), QStringLiteral("8"), QStringLiteral("9"));
        QVERIFY(m_fixture.close(dialog));
        frmPara &fresh = m_fixture.openAgain();
        QCOMPARE(Texts(fresh, {"txta", "txtb", "txtc"}), QStringList({"1", "0", "0"}));
        QCOMPARE(Equation(fresh), QStringLiteral("y  =  1x   +  0x + 0"));
    }

    void bothDialogsStayOpenSideBySide()
    {
        frmPara &para = open();
        TypeInto(Box(para, "txtb"), QStringLiteral("4"));
        m_fixture.panel().control<QPushButton>("cmdLinear")->click();
        QVERIFY(Instance<frmLinear>().isVisible());
        QCOMPARE(LoadedInstance<frmPara>(), &para);
        QCOMPARE(Box(para, "txtb")->text(), QStringLiteral("4"));
        // Clearing leaves both open; the next curve goes to the new graph window.
        m_fixture.panel().control<QPushButton>("Command2")->click();
        QVERIFY(para.isVisible());
        QVERIFY(Instance<frmLinear>().isVisible());
        para.control<QPushButton>("cmdOK")->click();
        QCOMPARE(GraphPixel({240, 200}), qRgb(0, 0, 0)); // world (1, 5)
    }

    void overflowingCoefficientIsReportedAndNothingIsLost_data()
    {
        QTest::addColumn<QString>("a");
        QTest::newRow("a * 2500 beyond Single") << "1e36";
        QTest::newRow("mapping beyond Single") << "1e34";
        QTest::newRow("infinite a") << "1e39";
    }
    void overflowingCoefficientIsReportedAndNothingIsLost()
    {
        QFETCH(QString, a);
        // World (2, 4), then (2, -4)
        m_fixture.checkFaultIsReportedAndNothingIsLost({{"txta", a}}, {{"txta", "-1"}}, QPoint(246, 206),
                                                       QPoint(246, 260));
    }
};

CURVISTA_TEST_MAIN(TestPara)
#include "test_para.moc"
