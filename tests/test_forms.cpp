#include "platform/fonts.h"
#include "platform/form.h"
#include "platform/system_colors.h"
#include "test_support.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTimer>

using namespace platform;

namespace {

int g_loads = 0;
int g_unloads = 0;
int g_clicks = 0;

FormDesign SampleDesign()
{
    return {
        .caption = QStringLiteral("Sample"),
        .border = BorderStyle::FixedToolWindow,
        .clientWidth = 3000,
        .clientHeight = 1500,
        .placement = Placement::Manual,
        .clientLeft = 1500,
        .clientTop = 750,
        .showInTaskbar = false,
        .menu = {{"mnuA", QStringLiteral("&Alpha")}},
        .controls =
            {
                {"txtFirst", ControlKind::TextBox, 150, 150, 1500, 375, 2, QStringLiteral("design")},
                {"lblNote",
                 ControlKind::Label,
                 150,
                 600,
                 1500,
                 255,
                 0,
                 QStringLiteral("note"),
                 {.font = FontSpec{.points = 14.25}, .backColor = vbTitleBarText}},
                {"txtSecond", ControlKind::TextBox, 1650, 150, 1200, 375, 1, QStringLiteral("two")},
                {"cmdGo",
                 ControlKind::CommandButton,
                 1650,
                 900,
                 1200,
                 495,
                 3,
                 QStringLiteral("Go"),
                 {.isDefault = true}},
            },
    };
}

class frmSample : public Form
{
public:
    frmSample() : Form(SampleDesign())
    {
        handle(control<QPushButton>("cmdGo"), &QPushButton::clicked, &frmSample::cmdGo_Click);
    }

    bool failOnClick = false;

protected:
    void Form_Load() override { ++g_loads; }
    void Form_Unload() override { ++g_unloads; }

private:
    void cmdGo_Click()
    {
        if (failOnClick)
            throw RuntimeError(ErrorCode::Overflow);
        ++g_clicks;
    }
};

class frmPlain : public Form
{
public:
    frmPlain()
        : Form({.titleBar = false,
                .closeBox = false,
                .clientWidth = 1500,
                .clientHeight = 1500,
                .placement = Placement::CenterScreen})
    {}
};

} // namespace

class TestForms : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ResetForms();
        g_loads = g_unloads = g_clicks = 0;
    }
    void cleanup() { ResetForms(); }

    void firstReferenceLoadsHidden()
    {
        QVERIFY(!LoadedInstance<frmSample>());
        frmSample &form = Instance<frmSample>();
        QCOMPARE(g_loads, 1);
        QVERIFY(!form.isVisible());
        QCOMPARE(&Instance<frmSample>(), &form);
        QCOMPARE(g_loads, 1);
    }

    void showModelessNeverReloads()
    {
        frmSample &form = Instance<frmSample>();
        form.control<QLineEdit>("txtFirst")->setText(QStringLiteral("typed"));
        form.Show();
        form.Show();
        QVERIFY(form.isVisible());
        QCOMPARE(g_loads, 1);
        QCOMPARE(form.control<QLineEdit>("txtFirst")->text(), QStringLiteral("typed"));
    }

    void unloadDestroysAndNextReferenceStartsFresh()
    {
        QPointer<frmSample> first = &Instance<frmSample>();
        first->control<QLineEdit>("txtFirst")->setText(QStringLiteral("typed"));
        Unload<frmSample>();
        QCOMPARE(g_unloads, 1);
        QVERIFY(!LoadedInstance<frmSample>());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        frmSample &second = Instance<frmSample>();
        QCOMPARE(g_loads, 2);
        QCOMPARE(second.control<QLineEdit>("txtFirst")->text(), QStringLiteral("design"));
    }

    void unloadOfUnloadedWindowDoesNothing()
    {
        Unload<frmSample>();
        QCOMPARE(g_loads, 0);
        QCOMPARE(g_unloads, 0);
    }

    void closeBoxUnloads()
    {
        frmSample &form = Instance<frmSample>();
        form.Show();
        form.close();
        QCOMPARE(g_unloads, 1);
        QVERIFY(!LoadedInstance<frmSample>());
    }

    void windowWithoutCloseBoxCannotBeClosed()
    {
        frmPlain &form = Instance<frmPlain>();
        form.Show();
        form.close();
        QCOMPARE(LoadedInstance<frmPlain>(), &form);
        QVERIFY(form.isVisible());
    }

    void showModalReturnsOnlyAfterUnload()
    {
        Instance<frmPlain>().Show();
        bool unloadedBeforeReturn = false;
        QTimer::singleShot(50, [&] {
            QVERIFY(Instance<frmSample>().isVisible());
            QVERIFY(Instance<frmSample>().isModal());
            Unload<frmSample>();
            unloadedBeforeReturn = true;
        });
        Instance<frmSample>().Show(vbModal);
        QVERIFY(unloadedBeforeReturn);
        QVERIFY(!LoadedInstance<frmSample>());
    }

    void showModalOfVisibleWindowIsARuntimeError()
    {
        Instance<frmSample>().Show();
        try {
            Instance<frmSample>().Show(vbModal);
            QFAIL("no error raised");
        } catch (const RuntimeError &error) {
            QCOMPARE(error.number(), 400);
        }
    }

    void endStopsEveryHandler()
    {
        frmSample &form = Instance<frmSample>();
        form.Show();
        End();
        QVERIFY(HasEnded());
        QVERIFY(!form.isVisible());
        form.control<QPushButton>("cmdGo")->click();
        QCOMPARE(g_clicks, 0);
        QCOMPARE(g_unloads, 0);
    }

    void runtimeErrorInHandlerIsReportedAndProgramGoesOn()
    {
        const RecordedErrors recorded;
        frmSample &form = Instance<frmSample>();
        form.Show();
        form.failOnClick = true;
        form.control<QPushButton>("cmdGo")->click();
        QCOMPARE(recorded.numbers(), std::vector<int>{6});
        QCOMPARE(ReportText(recorded.errors().front()), QStringLiteral("Run-time error '6':\n\nOverflow"));
        QVERIFY(!HasEnded());
        QVERIFY(form.isVisible());
        form.failOnClick = false;
        form.control<QPushButton>("cmdGo")->click();
        QCOMPARE(g_clicks, 1);
    }

    void controlsArePlacedInTwips_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("text box") << "txtFirst" << QRect(10, 10, 100, 25);
        QTest::newRow("label") << "lblNote" << QRect(10, 40, 100, 17);
        QTest::newRow("button") << "cmdGo" << QRect(110, 60, 80, 33);
    }
    void controlsArePlacedInTwips()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        auto *widget = Instance<frmSample>().client()->findChild<QWidget *>(name);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), geometry);
    }

    void clientAreaIsBelowTheMenuAtItsDesignPosition()
    {
        frmSample &form = Instance<frmSample>();
        form.Show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.client()->size(), QSize(200, 100));
        const QPoint screenOrigin = QGuiApplication::primaryScreen()->geometry().topLeft();
        QCOMPARE(form.client()->mapToGlobal(QPoint(0, 0)), screenOrigin + QPoint(100, 50));
        auto *menu = form.findChild<QMenuBar *>();
        QVERIFY(menu);
        QCOMPARE(form.client()->y(), menu->height());
        QCOMPARE(form.menuItem("mnuA")->text(), QStringLiteral("&Alpha"));
    }

    void centredWindowIsCentredOnTheScreen()
    {
        frmPlain &form = Instance<frmPlain>();
        QCOMPARE(form.geometry().center(), QGuiApplication::primaryScreen()->geometry().center());
        QVERIFY(form.windowFlags() & Qt::FramelessWindowHint);
    }

    void tabOrderFollowsTabIndexes()
    {
        frmSample &form = Instance<frmSample>();
        form.Show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto *second = form.control<QLineEdit>("txtSecond");
        second->setFocus();
        QCOMPARE(QApplication::focusWidget(), second);
        QTest::keyClick(second, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form.control<QLineEdit>("txtFirst"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form.control<QPushButton>("cmdGo"));
    }

    void fontsAndColoursFollowTheDesign()
    {
        frmSample &form = Instance<frmSample>();
        QCOMPARE(form.font(), DesignFont());
        QCOMPARE(form.font().pixelSize(), 11);
        auto *note = form.control<QLabel>("lblNote");
        QCOMPARE(note->font().pixelSize(), 19);
        QVERIFY(note->autoFillBackground());
        QCOMPARE(note->palette().color(QPalette::Window), QColor(Qt::white));
        QVERIFY(form.control<QPushButton>("cmdGo")->isDefault());
    }

    void systemColoursComeFromThePalette()
    {
        QCOMPARE(ToQColor(vbTitleBarText), QColor(Qt::white));
        QCOMPARE(ToQColor(vbHighlightText), QGuiApplication::palette().color(QPalette::HighlightedText));
        QCOMPARE(ToQColor(RGB(224, 224, 224)), QColor(224, 224, 224));
    }
};

CURVISTA_TEST_MAIN(TestForms)
#include "test_forms.moc"
