#pragma once

#include "app_test_support.h"
#include "dialogs/frmlinear.h"
#include "dialogs/frmopt.h"
#include "dialogs/frmpara.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

// Opens a dialog the way the user does: the panel's button, then waits until
// the dialog is the active window.
template <class Dialog> Dialog &OpenFromPanel(frmControl &panel, const char *button)
{
    panel.activateWindow();
    QTest::mouseClick(panel.control<QPushButton>(button), Qt::LeftButton);
    Dialog &dialog = platform::Instance<Dialog>();
    if (!QTest::qWaitForWindowActive(&dialog))
        qWarning("dialog did not become active");
    return dialog;
}

inline QLineEdit *Box(platform::Form &form, const char *name)
{
    return form.control<QLineEdit>(name);
}

inline QString Equation(platform::Form &form)
{
    return form.control<QLabel>("lblCurEQ")->text();
}

// Clicks into a box, as the user does to start typing there.
inline void ClickInto(QLineEdit *box)
{
    QTest::mouseClick(box, Qt::LeftButton);
    if (QApplication::focusWidget() != box)
        qWarning("the box did not take the focus");
}

// Replaces the text of the box the focus is in by typing: Ctrl+A, then the
// text (Backspace for none).
inline void TypeOver(QLineEdit *box, const QString &text)
{
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Backspace);
    else
        QTest::keyClicks(box, text);
}

// Clicks into a box and types over its text, as a user with the mouse does.
inline void TypeInto(QLineEdit *box, const QString &text)
{
    ClickInto(box);
    TypeOver(box, text);
}

// Texts to type, each into the box named.
using BoxEntries = QList<QPair<const char *, QString>>;

// Types each text into its box and moves on to the next with Tab, as a user
// filling in a dialog does; the focus stays in the last box.
inline void FillIn(platform::Form &form, const BoxEntries &entries)
{
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (i > 0)
            QTest::keyClick(Box(form, entries[i - 1].first), Qt::Key_Tab);
        TypeInto(Box(form, entries[i].first), entries[i].second);
    }
}

inline QStringList Texts(platform::Form &form, const QList<const char *> &boxes)
{
    QStringList texts;
    for (const char *name : boxes)
        texts << Box(form, name)->text();
    return texts;
}

// Clicks into the box, then presses Tab until the focus is back there: the
// names of the controls visited, "outside" for any of another window.
inline QStringList TabOrderFrom(QLineEdit *first)
{
    ClickInto(first);
    QStringList visited;
    for (int presses = 0; presses < 10 && QApplication::focusWidget(); ++presses) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const QWidget *focused = QApplication::focusWidget();
        visited << (focused && focused->window() == first->window() ? focused->objectName()
                                                                    : QStringLiteral("outside"));
        if (focused == first)
            break;
    }
    return visited;
}

// What the tests of an equation dialog share: the program started afresh for
// each test, and the dialog opened from the panel's button.
template <class Dialog> class DialogFixture
{
public:
    explicit DialogFixture(const char *button) : m_button(button) {}

    void start() { m_panel = &StartProgram(); }
    static void stop() { ResetProgram(); }

    [[nodiscard]] frmControl &panel() const { return *m_panel; }
    Dialog &open() const { return OpenFromPanel<Dialog>(*m_panel, m_button); }

    // Closes the dialog with its close button or its close box; whether that
    // unloaded it.
    static bool close(Dialog &dialog, bool byCloseBox = false)
    {
        if (byCloseBox)
            dialog.close();
        else
            QTest::mouseClick(dialog.template control<QPushButton>("cmdExit"), Qt::LeftButton);
        return !platform::LoadedInstance<Dialog>();
    }

    // Once the closed dialog is gone, opens it again.
    Dialog &openAgain() const
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return open();
    }

    // Draws with the design texts, then with faulty ones, then with good ones:
    // the fault is reported once, as an overflow, the program goes on with the
    // dialog open, and the curves drawn before and after it stay.
    void checkFaultIsReportedAndNothingIsLost(const BoxEntries &faulty, const BoxEntries &good, QPoint onDesignCurve,
                                              QPoint onGoodCurve) const
    {
        const RecordedErrors recorded;
        Dialog &dialog = open();
        dialog.template control<QPushButton>("cmdOK")->click();
        FillIn(dialog, faulty);
        dialog.template control<QPushButton>("cmdOK")->click();
        QCOMPARE(recorded.numbers(), std::vector<int>{6});
        QVERIFY(!platform::HasEnded());
        QVERIFY(dialog.isVisible());
        QCOMPARE(GraphPixel(onDesignCurve), qRgb(0, 0, 0));

        FillIn(dialog, good);
        dialog.template control<QPushButton>("cmdOK")->click();
        QCOMPARE(recorded.numbers(), std::vector<int>{6});
        QCOMPARE(GraphPixel(onGoodCurve), qRgb(0, 0, 0));
        QCOMPARE(GraphPixel(onDesignCurve), qRgb(0, 0, 0));
    }

private:
    const char *m_button;
    frmControl *m_panel = nullptr;
};

using FormLoader = platform::Form &(*)();

// Every window of the program by name; calling the loader loads it.
inline const QList<QPair<QString, FormLoader>> &AllWindows()
{
    using platform::Form;
    using platform::Instance;
    static const QList<QPair<QString, FormLoader>> windows = {
        {QStringLiteral("frmMain"), []() -> Form & { return Instance<frmMain>(); }},
        {QStringLiteral("frmControl"), []() -> Form & { return Instance<frmControl>(); }},
        {QStringLiteral("frmGraph"), []() -> Form & { return Instance<frmGraph>(); }},
        {QStringLiteral("frmLinear"), []() -> Form & { return Instance<frmLinear>(); }},
        {QStringLiteral("frmPara"), []() -> Form & { return Instance<frmPara>(); }},
        {QStringLiteral("frmOpt"), []() -> Form & { return Instance<frmOpt>(); }},
    };
    return windows;
}

// Loads a window of AllWindows by its name.
inline platform::Form &LoadWindow(const QString &name)
{
    for (const auto &[windowName, load] : AllWindows())
        if (windowName == name)
            return load();
    qFatal("unknown window");
}
