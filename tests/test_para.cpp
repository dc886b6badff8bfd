#include "dialog_test_support.h"

using namespace platform;

class TestPara : public QObject
{
    Q_OBJECT

    frmControl *m_panel = nullptr;

    frmPara &open() { return OpenFromPanel<frmPara>(*m_panel, "cmdParabola"); }

    static void type(frmPara &dialog, const QString &a, const QString &b, const QString &c)
    {
        TypeInto(Box(dialog, "txta"), a);
        TypeInto(Box(dialog, "txtb"), b);
        TypeInto(Box(dialog, "txtc"), c);
    }

private slots:
    void init() { m_panel = &StartProgram(); }
    void cleanup() { ResetProgram(); }

    void designAndTabOrder()
    {
        frmPara &dialog = open();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("เขียนกราฟพาราโบลา"));
        QCOMPARE(dialog.windowType(), Qt::Tool);
        QCOMPARE(dialog.client()->size(), QSize(464, 263));
        const QPoint origin = QGuiApplication::primaryScreen()->geometry().topLeft();
        QCOMPARE(dialog.client()->mapToGlobal(QPoint(0, 0)), origin + QPoint(188, 258));
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

        ClickInto(Box(dialog, "txta"));
        const QList<QWidget *> order = {Box(dialog, "txtb"), Box(dialog, "txtc"),
                                        dialog.control<QPushButton>("cmdExit"), dialog.control<QPushButton>("cmdOK"),
                                        Box(dialog, "txta")};
        for (QWidget *next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
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
        QTest::newRow("1, 0, 0") << "1"
                                 << "0"
                                 << "0"
                                 << "y  =  1x  +  0x  +  0";
        QTest::newRow("2, -3.5, 1") << "2"
                                    << "-3.5"
                                    << "1"
                                    << "y  =  2x  +  -3.5x  +  1";
        QTest::newRow("0.5, 0, -4") << "0.5"
                                    << "0"
                                    << "-4"
                                    << "y  =  0.5x  +  0x  +  -4";
        QTest::newRow("Double digits") << "1.23456789"
                                       << "0"
                                       << "0"
                                       << "y  =  1.23456789x  +  0x  +  0";
        QTest::newRow("emptied and text") << ""
                                          << "3abc"
                                          << "abc"
                                          << "y  =  0x  +  3x  +  0";
        QTest::newRow("beyond Single") << "1e39"
                                       << "0"
                                       << "0"
                                       << "y  =  1E+39x  +  0x  +  0";
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
        for (const float x : {-5.0f, -2.0f, 0.0f, 3.0f})
            QCOMPARE(GraphPixel(WorldPixel(x, x * x)), qRgb(0, 0, 0));
        QCOMPARE(GraphPixel(WorldPixel(3.5f, 10.5f)), qRgb(255, 255, 255));
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
        for (const float x : {-2.0f, 1.0f, 4.0f})
            QCOMPARE(GraphPixel(WorldPixel(x, -x * x + 2 * x + 3.5f)), qRgb(0, 0, 0));
    }

    void drawsWithTheSingleOfWhatIsTyped()
    {
        frmPara &dialog = open();
        type(dialog, QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("1.23456789"));
        dialog.control<QPushButton>("cmdOK")->click();
        QCOMPARE(GraphPixel(WorldPixel(0, 1.234568f)), qRgb(0, 0, 0));
    }

    void reopeningStartsFromTheDesign()
    {
        frmPara &dialog = open();
        type(dialog, QStringLiteral("7"), QStringLiteral("8"), QStringLiteral("9"));
        QTest::mouseClick(dialog.control<QPushButton>("cmdExit"), Qt::LeftButton);
        QVERIFY(!LoadedInstance<frmPara>());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        frmPara &fresh = open();
        QCOMPARE(Box(fresh, "txta")->text(), QStringLiteral("1"));
        QCOMPARE(Box(fresh, "txtb")->text(), QStringLiteral("0"));
        QCOMPARE(Box(fresh, "txtc")->text(), QStringLiteral("0"));
        QCOMPARE(Equation(fresh), QStringLiteral("y  =  1x   +  0x + 0"));
    }

    void bothDialogsStayOpenSideBySide()
    {
        frmPara &para = open();
        TypeInto(Box(para, "txtb"), QStringLiteral("4"));
        m_panel->control<QPushButton>("cmdLinear")->click();
        QVERIFY(Instance<frmLinear>().isVisible());
        QCOMPARE(LoadedInstance<frmPara>(), &para);
        QCOMPARE(Box(para, "txtb")->text(), QStringLiteral("4"));
        // Clearing leaves both open; the next curve goes to the new graph window.
        m_panel->control<QPushButton>("Command2")->click();
        QVERIFY(para.isVisible());
        QVERIFY(Instance<frmLinear>().isVisible());
        para.control<QPushButton>("cmdOK")->click();
        QCOMPARE(GraphPixel(WorldPixel(1, 5)), qRgb(0, 0, 0));
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
        const RecordedErrors recorded;
        frmPara &dialog = open();
        dialog.control<QPushButton>("cmdOK")->click();
        TypeInto(Box(dialog, "txta"), a);
        dialog.control<QPushButton>("cmdOK")->click();
        QCOMPARE(recorded.numbers(), std::vector<int>{6});
        QVERIFY(!HasEnded());
        QVERIFY(dialog.isVisible());
        QCOMPARE(GraphPixel(WorldPixel(2, 4)), qRgb(0, 0, 0));

        TypeInto(Box(dialog, "txta"), QStringLiteral("-1"));
        dialog.control<QPushButton>("cmdOK")->click();
        QCOMPARE(GraphPixel(WorldPixel(2, -4)), qRgb(0, 0, 0));
        QCOMPARE(GraphPixel(WorldPixel(2, 4)), qRgb(0, 0, 0));
    }
};

CURVISTA_TEST_MAIN(TestPara)
#include "test_para.moc"
