// Arbitrary text in the boxes of the equation dialogs, then the draw button.
// The program must report what it cannot draw and never hand the surface a
// non-finite coordinate (asserted there).
#include "app/graph_mdl.h"
#include "dialogs/frmlinear.h"
#include "dialogs/frmpara.h"
#include "platform/forms/form.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include <cstdint>
#include <cstdlib>

namespace {

QApplication *g_application = nullptr;

QStringList BoxTexts(const std::uint8_t *data, std::size_t size)
{
    // 0xFF never occurs in UTF-8 text, so it separates the boxes.
    QStringList texts;
    QByteArray current;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0xFF) {
            texts << QString::fromUtf8(current);
            current.clear();
        } else {
            current.append(static_cast<char>(data[i]));
        }
    }
    texts << QString::fromUtf8(current);
    while (texts.size() < 3)
        texts << QString();
    return texts;
}

void DrawLinear(const QStringList &texts)
{
    auto &dialog = platform::Instance<frmLinear>();
    dialog.Show();
    QApplication::setActiveWindow(&dialog);
    auto *txtM = dialog.control<QLineEdit>("txtM");
    auto *txtc = dialog.control<QLineEdit>("txtc");
    txtM->setFocus(Qt::OtherFocusReason);
    txtM->setText(texts[0]);
    txtc->setFocus(Qt::TabFocusReason); // m is stored as its box loses the focus
    txtc->setText(texts[1]);
    dialog.control<QPushButton>("cmdOK")->click();
}

void DrawParabola(const QStringList &texts)
{
    auto &dialog = platform::Instance<frmPara>();
    dialog.control<QLineEdit>("txta")->setText(texts[0]);
    dialog.control<QLineEdit>("txtb")->setText(texts[1]);
    dialog.control<QLineEdit>("txtc")->setText(texts[2]);
    dialog.control<QPushButton>("cmdOK")->click();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    g_application = new QApplication(*argc, *argv);
    platform::SetErrorSink([](const platform::RuntimeError &error) {
        if (error.number() != 6)
            std::abort();
    });
    graph_mdl::Main();
    // First use of each window and font happens here, not inside an input.
    DrawLinear({QStringLiteral("1"), QStringLiteral("10"), QString()});
    DrawParabola({QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("0")});
    // libFuzzer ends the process with exit(): close down before the leak check.
    std::atexit([] {
        platform::ResetForms();
        delete g_application;
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0 || size > 256)
        return 0;
    const QStringList texts = BoxTexts(data + 1, size - 1);
    if (data[0] % 2 == 0)
        DrawLinear(texts);
    else
        DrawParabola(texts);
    return 0;
}
