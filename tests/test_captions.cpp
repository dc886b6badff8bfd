#include "app/translations.h"
#include "dialog_test_support.h"

#include <QDir>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRawFont>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextLayout>

using namespace platform;

namespace {

QString CaptionOf(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (const auto *button = qobject_cast<const QPushButton *>(widget))
        return button->text();
    if (const auto *frame = qobject_cast<const QGroupBox *>(widget))
        return frame->title();
    return {};
}

struct WrappedLine
{
    QString text;
    qreal width;
};

// The lines a wrapping label breaks its caption into at its width.
QList<WrappedLine> WrappedLines(const QLabel &label)
{
    QTextLayout layout(label.text(), label.font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QList<WrappedLine> lines;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(label.contentsRect().width());
        lines.append({label.text().mid(line.textStart(), line.textLength()).trimmed(), line.naturalTextWidth()});
    }
    layout.endLayout();
    return lines;
}

const QList<QPair<QLocale::Language, QString>> Languages = {
    {QLocale::Thai, QStringLiteral("Thai")},
    {QLocale::English, QStringLiteral("English")},
};

} // namespace

class TestCaptions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ResetProgram(); }
    void cleanupTestCase() { ResetProgram(); }

    void captions_data()
    {
        QTest::addColumn<QLocale::Language>("language");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        for (const auto &[language, languageName] : Languages) {
            for (const auto &[name, load] : AllWindows()) {
                for (const QWidget *widget : load().client()->findChildren<QWidget *>()) {
                    if (!CaptionOf(widget).isEmpty())
                        QTest::newRow(qPrintable(languageName + ": " + name + "." + widget->objectName()))
                            << language << name << widget->objectName();
                }
            }
        }
    }

    // Real glyphs in the substitute face, and room for every caption, in
    // each language.
    void captions()
    {
        QFETCH(QLocale::Language, language);
        QFETCH(QString, window);
        QFETCH(QString, control);
        ResetProgram();
        Translations translations(language);
        translations.install();
        const QWidget *widget = LoadWindow(window).client()->findChild<QWidget *>(control);
        const QString caption = CaptionOf(widget);
        QCOMPARE(QFontInfo(widget->font()).family(), QStringLiteral("Loma"));
        const QRawFont raw = QRawFont::fromFont(widget->font());
        for (const QChar c : caption)
            QVERIFY2(c.isSpace() || raw.supportsCharacter(c), qPrintable(QStringLiteral("no glyph for %1").arg(c)));

        const QFontMetricsF metrics(widget->font());
        if (const auto *label = qobject_cast<const QLabel *>(widget); label && label->wordWrap()) {
            const QList<WrappedLine> lines = WrappedLines(*label);
            QStringList texts;
            for (const WrappedLine &line : lines) {
                QVERIFY(line.width <= label->contentsRect().width());
                texts << line.text;
            }
            // Every line's letters stand inside the label.
            QVERIFY(metrics.lineSpacing() * qreal(lines.size() - 1) + metrics.ascent() <= label->height());
            if (caption.contains(QStringLiteral("Brisvane")))
                QCOMPARE(texts, QStringList({"Brisvane", "Curvista"}));
            else
                QCOMPARE(lines.size(), 2);
            return;
        }
        int room = widget->contentsRect().width();
        if (const auto *button = qobject_cast<const QPushButton *>(widget)) {
            QStyleOptionButton option;
            option.initFrom(button);
            room -= 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin, &option, button);
        }
        QVERIFY2(metrics.horizontalAdvance(caption) <= room,
                 qPrintable(QStringLiteral("%1 px for %2 px").arg(metrics.horizontalAdvance(caption)).arg(room)));
        QVERIFY(metrics.ascent() <= widget->height());
    }

    void menuItemsFitTheMenuBar_data()
    {
        QTest::addColumn<QLocale::Language>("language");
        for (const auto &[language, name] : Languages)
            QTest::newRow(qPrintable(name)) << language;
    }
    // The panel's menu items all stand on its one-line menu bar, none pushed
    // into an overflow button.
    void menuItemsFitTheMenuBar()
    {
        QFETCH(QLocale::Language, language);
        ResetProgram();
        Translations translations(language);
        translations.install();
        const auto *bar = Instance<frmControl>().findChild<QMenuBar *>();
        const QList<QAction *> items = bar->actions();
        QCOMPARE(items.size(), 2);
        for (QAction *item : items) {
            const QRect place = bar->actionGeometry(item);
            QVERIFY2(!place.isEmpty() && bar->rect().contains(place), qPrintable(item->text()));
        }
    }

    // Where the program ships its Thai face (Windows) it is the copy in the
    // folder "fonts" beside the program; elsewhere the system's.
    void thaiFaceComesFromBesideTheProgramWhereItShips()
    {
        const QStringList registered = RegisterBundledFonts();
#ifdef Q_OS_WIN
        const QDir beside(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
        QCOMPARE(registered, QStringList({beside.filePath(QStringLiteral("Loma-Bold.ttf")),
                                          beside.filePath(QStringLiteral("Loma.ttf"))}));
        for (const QString &file : registered)
            QCOMPARE(QRawFont(file, 12).familyName(), QStringLiteral("Loma"));
#else
        QVERIFY2(registered.isEmpty(), qPrintable(registered.join(QLatin1Char(' '))));
#endif
        QCOMPARE(QFontInfo(DesignFont()).family(), QStringLiteral("Loma"));
    }

    void aFontFileThatCannotBeReadIsSkipped()
    {
        const QTemporaryDir dir;
        QFile broken(dir.filePath(QStringLiteral("broken.ttf")));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("not a font");
        broken.close();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot load the font .*broken\\.ttf")));
        QCOMPARE(RegisterBundledFonts(dir.path()), QStringList());
    }
};

CURVISTA_TEST_MAIN(TestCaptions)
#include "test_captions.moc"
