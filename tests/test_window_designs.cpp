#include "dialog_test_support.h"

#include <QScreen>

using namespace platform;

Q_DECLARE_METATYPE(Qt::WindowType)

namespace {

// Where a window stands: centred on the screen, its client area at a
// designed point, or wherever the window system puts it.
struct Place
{
    enum Kind { Centred, At, BySystem } kind = BySystem;
    QPoint client;
};

constexpr Qt::WindowFlags NoFlags;

} // namespace

Q_DECLARE_METATYPE(Place)

// Every window against its design: title, kind, buttons of the title bar,
// size and place. The tab orders stay with each window's own tests.
class TestWindowDesigns : public QObject
{
    Q_OBJECT

private slots:
    void init() { StartProgram(); }
    void cleanup() { ResetProgram(); }

    void windowIsAsDesigned_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("title");
        QTest::addColumn<Qt::WindowType>("type");
        QTest::addColumn<Qt::WindowFlags>("present");
        QTest::addColumn<Qt::WindowFlags>("absent");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<QSize>("frame"); // invalid where a window manager frames it
        QTest::addColumn<Place>("place");
        QTest::addColumn<bool>("icon"); // its own, not the program's

        // clang-format off
        QTest::newRow("splash")   << "frmMain" << QString() << TaskbarWindowType
                                  << Qt::WindowFlags(Qt::FramelessWindowHint) << NoFlags
                                  << QSize(463, 180) << QSize(465, 182) << Place{Place::Centred, {}} << true;
        QTest::newRow("panel")    << "frmControl" << "BCV" << TaskbarWindowType
                                  << Qt::WindowFlags(Qt::WindowMinimizeButtonHint)
                                  << (Qt::WindowMaximizeButtonHint | Qt::FramelessWindowHint)
                                  << QSize(137, 154) << QSize() << Place{Place::At, {15, 166}} << true;
        QTest::newRow("graph")    << "frmGraph" << QString() << Qt::Tool
                                  << Qt::WindowFlags(Qt::FramelessWindowHint) << NoFlags
                                  << QSize(465, 465) << QSize(467, 467) << Place{Place::Centred, {}} << false;
        QTest::newRow("linear")   << "frmLinear" << "เขียนกราฟเส้นตรง" << Qt::Tool
                                  << Qt::WindowFlags(Qt::WindowCloseButtonHint)
                                  << (Qt::WindowMinimizeButtonHint | Qt::FramelessWindowHint)
                                  << QSize(351, 251) << QSize() << Place{Place::At, {237, 258}} << false;
        QTest::newRow("parabola") << "frmPara" << "เขียนกราฟพาราโบลา" << Qt::Tool
                                  << Qt::WindowFlags(Qt::WindowCloseButtonHint)
                                  << (Qt::WindowMinimizeButtonHint | Qt::FramelessWindowHint)
                                  << QSize(464, 263) << QSize() << Place{Place::At, {188, 258}} << false;
        QTest::newRow("colours")  << "frmOpt" << "Option" << Qt::Tool
                                  << Qt::WindowFlags(Qt::WindowCloseButtonHint)
                                  << (Qt::WindowMinimizeButtonHint | Qt::FramelessWindowHint)
                                  << QSize(247, 223) << QSize() << Place{} << false;
        // clang-format on
    }
    void windowIsAsDesigned()
    {
        QFETCH(QString, window);
        QFETCH(QString, title);
        QFETCH(Qt::WindowType, type);
        QFETCH(Qt::WindowFlags, present);
        QFETCH(Qt::WindowFlags, absent);
        QFETCH(QSize, client);
        QFETCH(QSize, frame);
        QFETCH(Place, place);
        QFETCH(bool, icon);

        const Form &form = LoadWindow(window);
        QCOMPARE(form.windowTitle(), title);
        QCOMPARE(form.windowType(), type);
        QCOMPARE(form.windowFlags() & present, present);
        QCOMPARE(form.windowFlags() & absent, NoFlags);
        QCOMPARE(form.client()->size(), client);
        if (frame.isValid())
            QCOMPARE(form.size(), frame); // the fixed single border around it
        switch (place.kind) {
        case Place::Centred:
            QCOMPARE(form.geometry().center(), QGuiApplication::primaryScreen()->geometry().center());
            break;
        case Place::At:
            QCOMPARE(ClientPlace(form), place.client);
            break;
        case Place::BySystem:
            QVERIFY(!form.testAttribute(Qt::WA_Moved));
            break;
        }
        QCOMPARE(form.testAttribute(Qt::WA_SetWindowIcon), icon);
    }
};

CURVISTA_TEST_MAIN(TestWindowDesigns)
#include "test_window_designs.moc"
