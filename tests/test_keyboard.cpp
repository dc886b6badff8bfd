#include "dialog_test_support.h"
#include "platform/forms/color_box.h"

#include <QAccessible>
#include <QAction>
#include <QPointer>
#include <QTimer>

using namespace platform;

namespace {

// The name a screen reader announces.
QString AccessibleName(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

QWidget *FindByAccessibleName(const Form &form, const QString &name)
{
    for (QWidget *widget : form.client()->findChildren<QWidget *>())
        if (AccessibleName(widget) == name)
            return widget;
    return nullptr;
}

// Presses Tab until the widget has the focus; false if it is never reached.
bool TabTo(QWidget *target)
{
    for (int presses = 0; presses < 20; ++presses) {
        if (QApplication::focusWidget() == target)
            return true;
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow(),
                        Qt::Key_Tab);
    }
    return QApplication::focusWidget() == target;
}

// Tabs to the button and presses Space; false if Tab never reaches it.
bool PressFromTheKeyboard(QWidget *button)
{
    if (!TabTo(button))
        return false;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    return true;
}

class AlwaysPicks : public ColorPicker
{
public:
    void ShowColor() override { Color = RGB(9, 99, 199); }
};

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT

    ColorPickerFactory m_previousFactory;

private slots:
    void initTestCase()
    {
        m_previousFactory = SetColorPickerFactory([] { return std::make_unique<AlwaysPicks>(); });
    }
    void cleanupTestCase() { SetColorPickerFactory(m_previousFactory); }
    void cleanup() { ResetProgram(); }

    void everyControlIsReachableByItsAccessibleName()
    {
        ResetProgram();
        for (const auto &[name, load] : AllWindows()) {
            const Form &form = load();
            for (QWidget *widget : form.client()->findChildren<QWidget *>()) {
                if (widget->objectName().isEmpty() || widget->objectName() == QLatin1String("surface"))
                    continue;
                const QString label = name + "." + widget->objectName();
                QVERIFY2(!AccessibleName(widget).isEmpty(), qPrintable(label));
                if (widget->property(ControlIndexProperty).isValid())
                    continue; // array members share a design name
                QVERIFY2(FindByAccessibleName(form, AccessibleName(widget)) == widget, qPrintable(label));
            }
        }
        QVERIFY(FindByAccessibleName(Instance<frmControl>(), QStringLiteral("ลบทั้งหมด")));
        QVERIFY(FindByAccessibleName(Instance<frmOpt>(), QStringLiteral("สีเส้นกราฟ")));
        QCOMPARE(FindByAccessibleName(Instance<frmLinear>(), QStringLiteral("กำหนดค่า m (สามารถเป็นทศนิยมได้ ) :")),
                 Box(Instance<frmLinear>(), "txtM"));
    }

    void windowsCarryWindowRoles_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QAccessible::Role>("role");
        QTest::newRow("splash") << "frmMain" << QAccessible::Window;
        QTest::newRow("panel") << "frmControl" << QAccessible::Window;
        QTest::newRow("graph") << "frmGraph" << QAccessible::Window;
        QTest::newRow("linear") << "frmLinear" << QAccessible::Dialog;
        QTest::newRow("parabola") << "frmPara" << QAccessible::Dialog;
        QTest::newRow("option") << "frmOpt" << QAccessible::Dialog;
    }
    void windowsCarryWindowRoles()
    {
        QFETCH(QString, window);
        QFETCH(QAccessible::Role, role);
        ResetProgram();
        for (const auto &[name, load] : AllWindows())
            if (name == window)
                QCOMPARE(QAccessible::queryAccessibleInterface(&load())->role(), role);
    }

    // Opened, filled in and drawn with Tab, Space and Enter alone; each dialog
    // is left with its close button.
    void curveDrawnFromTheKeyboardAlone_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<bool>("byEnter");
        QTest::addColumn<QPoint>("onTheCurve");
        // clang-format off
        QTest::newRow("line, Enter in the c box")             << "กราฟเส้นตรง"  << QStringList{"txtM", "txtc"} << QStringList{"-1", "5"} << true  << QPoint(300, 267); // -x + 5 at x = 10.075
        QTest::newRow("line, Space on the draw button")       << "กราฟเส้นตรง"  << QStringList{"txtM", "txtc"} << QStringList{"-1", "5"} << false << QPoint(300, 267);
        QTest::newRow("parabola, Space on the draw button")   << "กราฟพาราโบลา" << QStringList{"txtc"}         << QStringList{"-10"}     << false << QPoint(253, 240); // world (3, -1)
        QTest::newRow("parabola, Enter in the c box")         << "กราฟพาราโบลา" << QStringList{"txtc"}         << QStringList{"-10"}     << true  << QPoint(253, 240);
        // clang-format on
    }
    void curveDrawnFromTheKeyboardAlone()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, boxes);
        QFETCH(QStringList, typed);
        QFETCH(bool, byEnter);
        QFETCH(QPoint, onTheCurve);
        frmControl &panel = StartProgram();
        QVERIFY(Activate(panel));
        QVERIFY(PressFromTheKeyboard(FindByAccessibleName(panel, button)));
        const auto activeDialog = [&panel]() -> Form * {
            auto *active = qobject_cast<Form *>(QApplication::activeWindow());
            return active != &panel ? active : nullptr;
        };
        QTRY_VERIFY(activeDialog());
        Form *dialog = activeDialog();
        for (qsizetype i = 0; i < boxes.size(); ++i) {
            QVERIFY(TabTo(Box(*dialog, qPrintable(boxes[i]))));
            TypeOver(Box(*dialog, qPrintable(boxes[i])), typed[i]);
        }
        if (byEnter)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        else
            QVERIFY(PressFromTheKeyboard(dialog->control<QPushButton>("cmdOK")));
        QCOMPARE(GraphPixel(onTheCurve), qRgb(0, 0, 0));
        const QPointer<Form> closing = dialog;
        QVERIFY(PressFromTheKeyboard(dialog->control<QPushButton>("cmdExit")));
        QTRY_VERIFY(closing.isNull());
    }

    void clearFromTheKeyboard()
    {
        frmControl &panel = StartProgram();
        graph_mdl::PlotParabola(1, 0, 0);
        QVERIFY(Activate(panel));
        QVERIFY(PressFromTheKeyboard(panel.control<QPushButton>("Command2")));
        QCOMPARE(GraphPixel({250, 191}), qRgb(255, 255, 255)); // world (2.5, 6.25)
    }

    void colorsChosenFromTheKeyboardAlone()
    {
        frmControl &panel = StartProgram();
        QVERIFY(Activate(panel));
        bool ran = false;
        QTimer::singleShot(0, [&] {
            frmOpt &dialog = Instance<frmOpt>();
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            QVERIFY(PressFromTheKeyboard(FindByAccessibleName(dialog, QStringLiteral("สีเส้นกริด"))));
            QVERIFY(PressFromTheKeyboard(dialog.control<QPushButton>("Command1")));
            ran = true;
        });
        QTest::keyClick(&panel, Qt::Key_O, Qt::AltModifier);
        QVERIFY(ran);
        QCOMPARE(graph_mdl::GridColor, RGB(9, 99, 199));
        QCOMPARE(graph_mdl::AxisColor, RGB(100, 100, 100));
    }

    void altXEndsTheProgram()
    {
        frmControl &panel = StartProgram();
        QVERIFY(Activate(panel));
        QTest::keyClick(&panel, Qt::Key_X, Qt::AltModifier);
        QVERIFY(HasEnded());
    }
};

CURVISTA_TEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
