#include "platform/core/fonts.h"
#include "platform/forms/color_box.h"
#include "platform/forms/form.h"
#include "platform/forms/system_colors.h"
#include "widget_test_support.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTimer>

#ifdef Q_OS_WIN
#include <windows.h>
// Windows names a macro RGB, which would hide the designs' own.
#undef RGB
#endif

using namespace platform;

namespace {

int g_loads = 0;
int g_unloads = 0;
int g_clicks = 0;
int g_lostFocus = 0;

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
                {"cmdOther", ControlKind::CommandButton, 150, 900, 1200, 495, 4, QStringLiteral("Other")},
            },
    };
}

class frmSample : public Form
{
public:
    frmSample() : Form(SampleDesign())
    {
        handle(control<QPushButton>("cmdGo"), &QPushButton::clicked, &frmSample::cmdGo_Click);
        handleLostFocus(control<QLineEdit>("txtFirst"), &frmSample::txtFirst_LostFocus);
    }

    bool failOnClick = false;

protected:
    void Form_Load() override { ++g_loads; }
    void Form_Unload() override { ++g_unloads; }

private:
    void txtFirst_LostFocus() { ++g_lostFocus; }
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

// A dialog whose design has no default button.
class frmNoDefault : public Form
{
public:
    frmNoDefault()
        : Form({.border = BorderStyle::FixedToolWindow,
                .clientWidth = 3000,
                .clientHeight = 1500,
                .controls = {
                    {"txtOnly", ControlKind::TextBox, 150, 150, 1500, 375, 0, QString()},
                    {"cmdOne", ControlKind::CommandButton, 150, 900, 1200, 495, 1, QStringLiteral("One")},
                    {"cmdTwo", ControlKind::CommandButton, 1650, 900, 1200, 495, 2, QStringLiteral("Two")},
                }})
    {}
};

// Sets one system color for the scope, as the user's settings would: on
// Windows the system's own color of that number, elsewhere the palette role.
class ScopedSystemColor
{
public:
#ifdef Q_OS_WIN
    ScopedSystemColor(Color color, QPalette::ColorRole /*role*/, const QColor &value)
        : m_index(static_cast<int>(ColorValue(color) & 0xFFU)), m_previous(GetSysColor(m_index))
    {
        const COLORREF chosen = static_cast<COLORREF>(value.red()) | static_cast<COLORREF>(value.green()) << 8U |
                                static_cast<COLORREF>(value.blue()) << 16U;
        SetSysColors(1, &m_index, &chosen);
    }
    ~ScopedSystemColor()
    {
        SetSysColors(1, &m_index, &m_previous);
    }
#else
    ScopedSystemColor(Color /*color*/, QPalette::ColorRole role, const QColor &value)
        : m_previous(QGuiApplication::palette())
    {
        QPalette palette = m_previous;
        palette.setColor(role, value);
        QGuiApplication::setPalette(palette);
    }
    ~ScopedSystemColor()
    {
        QGuiApplication::setPalette(m_previous);
    }
#endif
    ScopedSystemColor(const ScopedSystemColor &) = delete;
    ScopedSystemColor &operator=(const ScopedSystemColor &) = delete;

private:
#ifdef Q_OS_WIN
    const int m_index;
    const COLORREF m_previous;
#else
    const QPalette m_previous;
#endif
};

} // namespace

class TestForms : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ResetForms();
        g_loads = g_unloads = g_clicks = g_lostFocus = 0;
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
            QTest::keyClick(&Instance<frmSample>(), Qt::Key_Escape);
            QVERIFY(Instance<frmSample>().isVisible());
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

    void enterReachesTheDefaultButtonWhereverTheFocusHasBeen_data()
    {
        QTest::addColumn<QString>("before");
        QTest::newRow("nothing") << "";
        QTest::newRow("default button clicked") << "click cmdGo";
        QTest::newRow("other button clicked") << "click cmdOther";
        QTest::newRow("Tab across both buttons") << "tab";
    }
    void enterReachesTheDefaultButtonWhereverTheFocusHasBeen()
    {
        QFETCH(QString, before);
        frmSample &form = Instance<frmSample>();
        form.Show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto *first = form.control<QLineEdit>("txtFirst");
        auto *go = form.control<QPushButton>("cmdGo");
        if (before.startsWith(QLatin1String("click ")))
            QTest::mouseClick(form.control<QPushButton>(qPrintable(before.mid(6))), Qt::LeftButton);
        if (before == QLatin1String("tab")) {
            first->setFocus();
            QTest::keyClick(first, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), go);
            QTest::keyClick(go, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), form.control<QPushButton>("cmdOther"));
        }
        g_clicks = 0;
        first->setFocus();
        QTest::keyClick(first, Qt::Key_Return);
        QCOMPARE(g_clicks, 1);
        QCOMPARE(QApplication::focusWidget(), first);
        QVERIFY(go->isDefault());
    }

    // Esc closes no window, dialog or not; a modal one is tried in
    // showModalReturnsOnlyAfterUnload.
    void escapeClosesNothing_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("dialog") << "frmSample";
        QTest::newRow("dialog without a default button") << "frmNoDefault";
        QTest::newRow("window") << "frmPlain";
    }
    void escapeClosesNothing()
    {
        QFETCH(QString, window);
        Form &form = window == QLatin1String("frmSample")      ? static_cast<Form &>(Instance<frmSample>())
                     : window == QLatin1String("frmNoDefault") ? static_cast<Form &>(Instance<frmNoDefault>())
                                                               : static_cast<Form &>(Instance<frmPlain>());
        form.Show();
        QTest::keyClick(&form, Qt::Key_Escape);
        QCoreApplication::processEvents();
        QVERIFY(form.isVisible());
        QCOMPARE(g_clicks, 0);
    }

    // Without a design default, Enter presses only a focused button, and a
    // button shows as the default only while it has the focus.
    void withoutADefaultButtonEnterPressesOnlyTheFocusedOne()
    {
        frmNoDefault &form = Instance<frmNoDefault>();
        form.Show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto *box = form.control<QLineEdit>("txtOnly");
        auto *one = form.control<QPushButton>("cmdOne");
        auto *two = form.control<QPushButton>("cmdTwo");
        QSignalSpy oneClicked(one, &QPushButton::clicked);
        QSignalSpy twoClicked(two, &QPushButton::clicked);
        box->setFocus();
        QVERIFY(!one->isDefault() && !two->isDefault());
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(oneClicked.count() + twoClicked.count(), 0);

        two->setFocus();
        QVERIFY(two->isDefault() && !one->isDefault());
        QTest::keyClick(two, Qt::Key_Return);
        QCOMPARE(twoClicked.count(), 1);

        box->setFocus();
        QVERIFY(!one->isDefault() && !two->isDefault());
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(oneClicked.count() + twoClicked.count(), 1);
    }

    void aFocusedButtonTakesEnterItself()
    {
        frmSample &form = Instance<frmSample>();
        form.Show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto *other = form.control<QPushButton>("cmdOther");
        QSignalSpy otherClicked(other, &QPushButton::clicked);
        other->setFocus();
        QVERIFY(!form.control<QPushButton>("cmdGo")->isDefault());
        QTest::keyClick(other, Qt::Key_Return);
        QCOMPARE(otherClicked.count(), 1);
        QCOMPARE(g_clicks, 0);
    }

    void onlyARealMoveOfTheFocusIsALossOfFocus_data()
    {
        QTest::addColumn<Qt::FocusReason>("reason");
        QTest::addColumn<int>("lostFocus");
        QTest::newRow("Tab") << Qt::TabFocusReason << 1;
        QTest::newRow("Shift+Tab") << Qt::BacktabFocusReason << 1;
        QTest::newRow("click on another control") << Qt::MouseFocusReason << 1;
        QTest::newRow("focus set by the program") << Qt::OtherFocusReason << 1;
        QTest::newRow("context menu") << Qt::PopupFocusReason << 0;
        QTest::newRow("another window activated") << Qt::ActiveWindowFocusReason << 0;
    }
    void onlyARealMoveOfTheFocusIsALossOfFocus()
    {
        QFETCH(Qt::FocusReason, reason);
        QFETCH(int, lostFocus);
        frmSample &form = Instance<frmSample>();
        QFocusEvent focusOut(QEvent::FocusOut, reason);
        QApplication::sendEvent(form.control<QLineEdit>("txtFirst"), &focusOut);
        QCOMPARE(g_lostFocus, lostFocus);
    }

    void textBoxesKeepALongPasteWhole()
    {
        auto *box = Instance<frmSample>().control<QLineEdit>("txtFirst");
        PasteOver(box, LongPaste());
        QCOMPARE(box->text(), LongPaste());
        QCOMPARE(Val(box->text()), 25.0);
    }

    void windowsWithoutTitleBarHaveAOnePixelBorder()
    {
        frmPlain &form = Instance<frmPlain>();
        QCOMPARE(form.client()->geometry(), QRect(1, 1, 100, 100));
        QCOMPARE(form.size(), QSize(102, 102));
        QCOMPARE(QRect(form.client()->mapToGlobal(QPoint(0, 0)), form.client()->size()).center(),
                 form.geometry().center()); // still centred on the screen
        const QImage shown = form.grab().toImage();
        const QRgb frame = ToQColor(vbWindowFrame).rgb();
        for (const QPoint corner : {QPoint(0, 0), QPoint(101, 0), QPoint(0, 101), QPoint(101, 101), QPoint(50, 0)})
            QCOMPARE(shown.pixel(corner), frame);
        QCOMPARE(shown.pixel(1, 1), ToQColor(vbButtonFace).rgb());
        QCOMPARE(Instance<frmSample>().client()->x(), 0); // the window manager frames a window with a title bar
    }

    // A design's system color is the user's own: on Windows the system's
    // color of that number, elsewhere the palette's.
    void systemColorsFollowThePlatform_data()
    {
        QTest::addColumn<Color>("color");
        QTest::addColumn<int>("role");
        QTest::newRow("button face") << Color(vbButtonFace) << int(QPalette::Button);
        QTest::newRow("button text") << Color(vbButtonText) << int(QPalette::ButtonText);
        QTest::newRow("window background") << Color(vbWindowBackground) << int(QPalette::Base);
        QTest::newRow("highlight") << Color(vbHighlight) << int(QPalette::Highlight);
    }
    void systemColorsFollowThePlatform()
    {
        QFETCH(Color, color);
        QFETCH(int, role);
        const QColor chosen(12, 34, 56);
        const ScopedSystemColor changed(color, static_cast<QPalette::ColorRole>(role), chosen);
        QCOMPARE(ToQColor(color), chosen);
        QCOMPARE(ToQColor(Color{0x0038220CU}), chosen); // as the same color given as RGB
    }

    void colorBoxIsPressedByMouseSpaceAndEnter_data()
    {
        QTest::addColumn<int>("key"); // 0: a mouse click
        QTest::addColumn<int>("presses");
        QTest::newRow("mouse") << 0 << 1;
        QTest::newRow("Space") << int(Qt::Key_Space) << 1;
        QTest::newRow("Enter") << int(Qt::Key_Return) << 1;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << 1;
        QTest::newRow("a letter") << int(Qt::Key_A) << 0;
    }
    void colorBoxIsPressedByMouseSpaceAndEnter()
    {
        QFETCH(int, key);
        QFETCH(int, presses);
        QWidget window;
        auto *box = new ColorBox(&window);
        QSignalSpy clicked(box, &ColorBox::clicked);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        box->setFocus();
        if (key == 0)
            QTest::mouseClick(box, Qt::LeftButton);
        else
            QTest::keyClick(box, Qt::Key(key));
        QCOMPARE(clicked.count(), presses);
    }

    void colorBoxIsAButtonThatSaysItsColor()
    {
        ColorBox box;
        box.setBackColor(RGB(9, 99, 199));
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&box);
        QCOMPARE(accessible->role(), QAccessible::Button);
        QCOMPARE(accessible->text(QAccessible::Description), QStringLiteral("RGB(9, 99, 199)"));
        QVERIFY(accessible->state().focusable);
    }

    // Unfocused, the box looks as the sunken color panel it always was;
    // focused, it shows a focus frame inside that panel.
    void colorBoxLooksLikeAColorPanelAndShowsItsFocus()
    {
        QWidget window;
        auto *box = new ColorBox(&window);
        auto *other = new QLineEdit(&window);
        box->setGeometry(0, 0, 25, 25);
        other->setGeometry(0, 30, 50, 20);
        box->setBackColor(RGB(0, 128, 0));
        QFrame panel;
        panel.setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel.setLineWidth(2);
        panel.setAutoFillBackground(true);
        panel.setPalette(box->palette());
        panel.resize(25, 25);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        other->setFocus();
        const QImage unfocused = box->grab().toImage();
        QCOMPARE(unfocused, panel.grab().toImage());
        QTest::keyClick(other, Qt::Key_Tab); // the style shows focus moved by the keyboard
        QCOMPARE(QApplication::focusWidget(), box);
        QVERIFY(box->grab().toImage() != unfocused);
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

    void fontsAndColorsFollowTheDesign()
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

    void systemColorsComeFromThePalette()
    {
        QCOMPARE(ToQColor(vbTitleBarText), QColor(Qt::white));
        QCOMPARE(ToQColor(vbHighlightText), QGuiApplication::palette().color(QPalette::HighlightedText));
        QCOMPARE(ToQColor(RGB(224, 224, 224)), QColor(224, 224, 224));
    }
};

CURVISTA_TEST_MAIN(TestForms)
#include "test_forms.moc"
