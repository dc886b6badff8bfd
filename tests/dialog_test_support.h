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

// Replaces a box's text by typing, the way a user selects all and types.
inline void TypeInto(QLineEdit *box, const QString &text)
{
    ClickInto(box);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Backspace);
    else
        QTest::keyClicks(box, text);
}

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
