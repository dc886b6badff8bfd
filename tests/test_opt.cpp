#include "dialog_test_support.h"
#include "platform/forms/color_box.h"

#include <QAction>
#include <QTimer>

#include <deque>
#include <optional>

using namespace platform;

namespace {

// Answers ShowColor from a script: a color to choose, or nullopt to cancel.
struct PickerScript
{
    std::deque<std::optional<Color>> answers;
    std::vector<Color> offered; // Color as each ShowColor found it

    class Picker : public ColorPicker
    {
    public:
        explicit Picker(PickerScript &script) : m_script(script) {}
        void ShowColor() override
        {
            m_script.offered.push_back(Color);
            QVERIFY(!m_script.answers.empty());
            const std::optional<platform::Color> answer = m_script.answers.front();
            m_script.answers.pop_front();
            if (answer)
                Color = *answer;
        }

    private:
        PickerScript &m_script;
    };
};

QList<ColorBox *> Boxes(frmOpt &dialog)
{
    return dialog.controlArray<ColorBox>("PicCol");
}

std::vector<Color> BoxColors(frmOpt &dialog)
{
    std::vector<Color> colors;
    for (const ColorBox *box : Boxes(dialog))
        colors.push_back(box->backColor());
    return colors;
}

std::vector<Color> Settings()
{
    return {graph_mdl::AxisColor, graph_mdl::GridColor, graph_mdl::PlotColor, graph_mdl::BackgroundColor};
}

const std::vector<Color> Defaults = {RGB(100, 100, 100), RGB(220, 220, 220), RGB(0, 0, 0), RGB(255, 255, 255)};

} // namespace

class TestOpt : public QObject
{
    Q_OBJECT

    frmControl *m_panel = nullptr;
    PickerScript m_script;
    ColorPickerFactory m_previousFactory;

    // Opens the dialog from the panel's menu; while it is modal, runs
    // whileOpen, which must unload it. Returns whether the menu handler
    // returned before the dialog was unloaded.
    template <class Action> void withDialog(Action whileOpen)
    {
        bool menuHandlerReturned = false;
        bool ran = false;
        QTimer::singleShot(0, [&] {
            frmOpt *dialog = LoadedInstance<frmOpt>();
            QVERIFY(dialog && dialog->isVisible());
            QCOMPARE(QApplication::activeModalWidget(), dialog);
            QVERIFY(!menuHandlerReturned);
            ran = true;
            whileOpen(*dialog);
            if (LoadedInstance<frmOpt>())
                Unload<frmOpt>();
        });
        m_panel->menuItem("mnuOpt")->trigger();
        menuHandlerReturned = true;
        QVERIFY(ran);
        QVERIFY(!LoadedInstance<frmOpt>());
    }

private slots:
    void init()
    {
        m_script = {};
        m_previousFactory = SetColorPickerFactory([this] { return std::make_unique<PickerScript::Picker>(m_script); });
        m_panel = &StartProgram();
    }
    void cleanup()
    {
        ResetProgram();
        SetColorPickerFactory(m_previousFactory);
    }

    void noteAndColorBoxes()
    {
        withDialog([](frmOpt &dialog) {
            const QString note = dialog.control<QLabel>("Label4")->text();
            QCOMPARE(note, QStringLiteral("    สีทั้งหมดจะเปลี่ยนไปตามที่เลือก หลังจากกดปุ่ม \"ลบทั้งหมด\""));
            QCOMPARE(dialog.control<QLabel>("Label4")->palette().color(QPalette::Window), QColor(224, 224, 224));
            const QList<ColorBox *> boxes = Boxes(dialog);
            QCOMPARE(boxes.size(), 4);
            QCOMPARE(boxes[2]->parentWidget()->objectName(), QStringLiteral("Frame1"));
            QCOMPARE(boxes[2]->geometry(), QRect(80, 88, 25, 25));
        });
    }

    void firstOpeningShowsTheDefaultColorsAndOkKeepsThem()
    {
        withDialog([](frmOpt &dialog) {
            QCOMPARE(BoxColors(dialog), Defaults);
            dialog.control<QPushButton>("Command1")->click();
        });
        QCOMPARE(Settings(), Defaults);
    }

    void pickedThenCancelledKeepsTheSetting()
    {
        m_script.answers = {RGB(255, 0, 0)};
        withDialog([](frmOpt &dialog) {
            QTest::mouseClick(Boxes(dialog)[0], Qt::LeftButton);
            QCOMPARE(Boxes(dialog)[0]->backColor(), RGB(255, 0, 0));
            dialog.control<QPushButton>("Command2")->click();
        });
        QCOMPARE(m_script.offered, std::vector<Color>{RGB(100, 100, 100)});
        QCOMPARE(graph_mdl::AxisColor, RGB(100, 100, 100));
        withDialog([](frmOpt &dialog) { QCOMPARE(Boxes(dialog)[0]->backColor(), RGB(100, 100, 100)); });
    }

    void closeBoxWritesNothing()
    {
        m_script.answers = {RGB(1, 2, 3)};
        withDialog([](frmOpt &dialog) {
            Boxes(dialog)[3]->setFocus();
            QTest::keyClick(Boxes(dialog)[3], Qt::Key_Space);
            dialog.close();
        });
        QCOMPARE(Settings(), Defaults);
    }

    void cancelledPickerKeepsTheFirstPick()
    {
        m_script.answers = {RGB(0, 128, 0), std::nullopt};
        withDialog([](frmOpt &dialog) {
            QTest::mouseClick(Boxes(dialog)[1], Qt::LeftButton);
            QTest::mouseClick(Boxes(dialog)[1], Qt::LeftButton);
            QCOMPARE(Boxes(dialog)[1]->backColor(), RGB(0, 128, 0));
            dialog.control<QPushButton>("Command1")->click();
        });
        QCOMPARE(m_script.offered, (std::vector<Color>{RGB(220, 220, 220), RGB(0, 128, 0)}));
        QCOMPARE(Settings(), (std::vector<Color>{Defaults[0], RGB(0, 128, 0), Defaults[2], Defaults[3]}));
    }

    void newColorsReachTheGraphAtTheNextClearing()
    {
        m_script.answers = {RGB(200, 0, 0), RGB(0, 0, 200), RGB(0, 150, 0), RGB(255, 255, 180)};
        withDialog([](frmOpt &dialog) {
            for (ColorBox *box : Boxes(dialog))
                QTest::mouseClick(box, Qt::LeftButton);
            dialog.control<QPushButton>("Command1")->click();
        });
        QCOMPARE(Settings(), (std::vector<Color>{RGB(200, 0, 0), RGB(0, 0, 200), RGB(0, 150, 0), RGB(255, 255, 180)}));

        graph_mdl::PlotParabola(1, 0, 0);
        const QPoint onTheParabola(250, 191); // world (2.5, 6.25)
        QCOMPARE(GraphPixel(onTheParabola), qRgb(0, 0, 0));
        QCOMPARE(GraphPixel({233, 5}), qRgb(100, 100, 100));
        QCOMPARE(GraphPixel({5, 5}), qRgb(255, 255, 255));

        m_panel->control<QPushButton>("Command2")->click();
        QCOMPARE(GraphPixel(onTheParabola), qRgb(255, 255, 180));
        QCOMPARE(GraphPixel({233, 5}), qRgb(200, 0, 0));
        QCOMPARE(GraphPixel({6, 5}), qRgb(0, 0, 200));
        QCOMPARE(GraphPixel({5, 5}), qRgb(255, 255, 180));
        graph_mdl::PlotParabola(1, 0, 0);
        QCOMPARE(GraphPixel(onTheParabola), qRgb(0, 150, 0));
    }

    void otherWindowsTakeNoInputWhileOpen()
    {
        withDialog([this](frmOpt &dialog) {
            QWindow *panelWindow = m_panel->windowHandle();
            const QPoint linearButton = m_panel->control<QPushButton>("cmdLinear")->mapTo(m_panel, QPoint(10, 10));
            QTest::mouseClick(panelWindow, Qt::LeftButton, {}, linearButton);
            QVERIFY(!LoadedInstance<frmLinear>());
            dialog.control<QPushButton>("Command2")->click();
        });
        QTest::mouseClick(m_panel->windowHandle(), Qt::LeftButton, {},
                          m_panel->control<QPushButton>("cmdLinear")->mapTo(m_panel, QPoint(10, 10)));
        QVERIFY(LoadedInstance<frmLinear>());
    }
};

CURVISTA_TEST_MAIN(TestOpt)
#include "test_opt.moc"
