#include "lesson.h"

#include "platform/core/runtime_error.h"

#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <cmath>
#include <optional>

namespace graph {

namespace {

constexpr char Format[] = "curvista-lesson";
constexpr int Version = 1;

class LessonFile
{
    Q_DECLARE_TR_FUNCTIONS(LessonFile)

public:
    static QString ColorName(Color color) { return QColor(platform::ToQRgb(color)).name(); }

    // The shortest decimal that reads back as the same Single.
    static double Shortest(Single value)
    {
        for (int digits = 1; digits < 9; ++digits) {
            const QString text = QString::number(value, 'g', digits);
            if (static_cast<Single>(text.toDouble()) == value)
                return text.toDouble();
        }
        return QString::number(value, 'g', 9).toDouble();
    }

    static std::optional<Color> ReadColor(const QJsonValue &value)
    {
        const QColor color(value.toString());
        if (!value.isString() || !color.isValid())
            return std::nullopt;
        return platform::RGB(color.red(), color.green(), color.blue());
    }

    // A coefficient, or the words saying what is wrong with it.
    static std::variant<Single, QString> ReadNumber(const QJsonObject &curve, const char *name, qsizetype index)
    {
        const QJsonValue value = curve.value(QLatin1String(name));
        if (value.isUndefined())
            //: A lesson file's fault: %1 is the curve's number, %2 the coefficient's name.
            return tr("เส้นที่ %1 ไม่มีค่า %2").arg(index + 1).arg(QLatin1String(name));
        if (!value.isDouble())
            //: A lesson file's fault: %1 is the curve's number, %2 the coefficient's name.
            return tr("ค่า %2 ของเส้นที่ %1 ไม่ใช่ตัวเลข").arg(index + 1).arg(QLatin1String(name));
        const auto number = static_cast<Single>(value.toDouble());
        if (!std::isfinite(number))
            //: A lesson file's fault: the number is too large to draw.
            return tr("ค่า %2 ของเส้นที่ %1 เกินช่วงที่วาดได้").arg(index + 1).arg(QLatin1String(name));
        return number;
    }

    static std::variant<LessonCurve, QString> ReadCurve(const QJsonValue &value, qsizetype index)
    {
        const QJsonObject curve = value.toObject();
        const QString kind = curve.value(QLatin1String("kind")).toString();
        const bool line = kind == QLatin1String("line");
        if (!value.isObject() || (!line && kind != QLatin1String("parabola")))
            //: A lesson file's fault: a curve is neither a line nor a parabola.
            return tr("เส้นที่ %1 ไม่ใช่เส้นตรงหรือพาราโบลา").arg(index + 1);
        std::vector<Single> numbers;
        for (const char *name : line ? std::vector{"m", "c"} : std::vector{"a", "b", "c"}) {
            auto number = ReadNumber(curve, name, index);
            if (auto *fault = std::get_if<QString>(&number))
                return *fault;
            numbers.push_back(std::get<Single>(number));
        }
        if (line)
            return LessonLine{numbers[0], numbers[1]};
        return LessonParabola{numbers[0], numbers[1], numbers[2]};
    }

    static std::variant<Lesson, QString> Read(const QByteArray &json)
    {
        QJsonParseError error{};
        const QJsonDocument document = QJsonDocument::fromJson(json, &error);
        if (document.isNull())
            //: A lesson file's fault: %1 is the position, %2 Qt's description.
            return tr("ไม่ใช่ไฟล์ JSON (ที่ตำแหน่ง %1: %2)").arg(error.offset).arg(error.errorString());
        const QJsonObject root = document.object();
        if (!document.isObject() || root.value(QLatin1String("format")).toString() != QLatin1String(Format))
            //: A lesson file's fault: the file is some other kind of JSON.
            return tr("ไม่ใช่ไฟล์บทเรียนของ Curvista");
        const QJsonValue version = root.value(QLatin1String("version"));
        if (!version.isDouble() || version.toDouble() != Version)
            //: A lesson file's fault: %1 is the file's version.
            return tr("ไฟล์บทเรียนรุ่น %1 ใหม่กว่าที่โปรแกรมนี้อ่านได้").arg(version.toVariant().toString());
        Lesson lesson{};
        const QJsonObject colors = root.value(QLatin1String("colours")).toObject();
        const auto axes = ReadColor(colors.value(QLatin1String("axes")));
        const auto grid = ReadColor(colors.value(QLatin1String("grid")));
        const auto curves = ReadColor(colors.value(QLatin1String("curves")));
        const auto paper = ReadColor(colors.value(QLatin1String("paper")));
        if (!axes || !grid || !curves || !paper)
            //: A lesson file's fault: the four colours must be given as #rrggbb.
            return tr("สีทั้งสี่ในไฟล์ไม่ครบหรือไม่ถูกต้อง");
        lesson.colors = {.background = *paper, .grid = *grid, .axis = *axes, .plot = *curves};
        const QJsonValue list = root.value(QLatin1String("curves"));
        if (!list.isArray())
            //: A lesson file's fault: there is no list of curves.
            return tr("ไม่มีรายการเส้นกราฟ");
        const QJsonArray array = list.toArray();
        if (static_cast<std::size_t>(array.size()) > LessonMaxCurves)
            //: A lesson file's fault: %1 curves are more than %2, the most a lesson may hold.
            return tr("มีเส้นกราฟ %1 เส้น เกิน %2 เส้นที่เปิดได้").arg(array.size()).arg(LessonMaxCurves);
        for (qsizetype i = 0; i < array.size(); ++i) {
            auto curve = ReadCurve(array.at(i), i);
            if (auto *fault = std::get_if<QString>(&curve))
                return *fault;
            lesson.curves.push_back(std::get<LessonCurve>(curve));
        }
        return lesson;
    }

    [[noreturn]] static void Fail(const QString &path, const QString &fault)
    {
        //: A runtime error's message about a lesson file: %1 is the file, %2 what is wrong.
        throw platform::RuntimeError(platform::ErrorCode::PathFileAccessError,
                                     tr("เปิดบทเรียน %1 ไม่ได้: %2").arg(QDir::toNativeSeparators(path), fault));
    }

    [[noreturn]] static void FailSaving(const QString &path, const QString &reason)
    {
        //: A runtime error's message: %1 is the file, %2 the system's reason.
        throw platform::RuntimeError(platform::ErrorCode::PathFileAccessError,
                                     tr("บันทึกบทเรียน %1 ไม่ได้: %2").arg(QDir::toNativeSeparators(path), reason));
    }
};

} // namespace

Lesson LessonOf(const DrawingRecord &record, const GridColors &inForce)
{
    Lesson lesson{.colors = record.grid().value_or(inForce), .curves = {}};
    for (const RecordedCurve &curve : record.curves()) {
        if (const auto *line = std::get_if<RecordedLinear>(&curve))
            lesson.curves.emplace_back(LessonLine{line->m, line->c});
        else if (const auto *parabola = std::get_if<RecordedParabola>(&curve))
            lesson.curves.emplace_back(LessonParabola{parabola->a, parabola->b, parabola->c});
    }
    return lesson;
}

QByteArray LessonJson(const Lesson &lesson)
{
    using F = LessonFile;
    QJsonArray curves;
    for (const LessonCurve &curve : lesson.curves) {
        if (const auto *line = std::get_if<LessonLine>(&curve))
            curves.append(QJsonObject{{QLatin1String("kind"), QLatin1String("line")},
                                      {QLatin1String("m"), F::Shortest(line->m)},
                                      {QLatin1String("c"), F::Shortest(line->c)}});
        else if (const auto *parabola = std::get_if<LessonParabola>(&curve))
            curves.append(QJsonObject{{QLatin1String("kind"), QLatin1String("parabola")},
                                      {QLatin1String("a"), F::Shortest(parabola->a)},
                                      {QLatin1String("b"), F::Shortest(parabola->b)},
                                      {QLatin1String("c"), F::Shortest(parabola->c)}});
    }
    const QJsonObject colors{{QLatin1String("axes"), F::ColorName(lesson.colors.axis)},
                             {QLatin1String("grid"), F::ColorName(lesson.colors.grid)},
                             {QLatin1String("curves"), F::ColorName(lesson.colors.plot)},
                             {QLatin1String("paper"), F::ColorName(lesson.colors.background)}};
    const QJsonObject root{{QLatin1String("format"), QLatin1String(Format)},
                           {QLatin1String("version"), Version},
                           {QLatin1String("colours"), colors},
                           {QLatin1String("curves"), curves}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::variant<Lesson, QString> ParseLesson(const QByteArray &json)
{
    return LessonFile::Read(json);
}

void SaveLesson(const Lesson &lesson, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        LessonFile::FailSaving(path, file.errorString());
    const QByteArray json = LessonJson(lesson);
    if (file.write(json) != json.size() || !file.commit())
        LessonFile::FailSaving(path, file.errorString());
}

Lesson OpenLesson(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        //: A lesson file's fault: the name is a folder's.
        LessonFile::Fail(path, LessonFile::tr("เป็นโฟลเดอร์ ไม่ใช่ไฟล์"));
    if (info.exists() && info.size() > LessonMaxBytes)
        //: A lesson file's fault: %1 is the most, in megabytes, a lesson file may have.
        LessonFile::Fail(path, LessonFile::tr("ไฟล์ใหญ่เกิน %1 MB").arg(LessonMaxBytes / (qint64{1024} * 1024)));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        LessonFile::Fail(path, file.errorString());
    const QByteArray json = file.read(LessonMaxBytes + 1);
    if (json.size() > LessonMaxBytes)
        LessonFile::Fail(path, LessonFile::tr("ไฟล์ใหญ่เกิน %1 MB").arg(LessonMaxBytes / (qint64{1024} * 1024)));
    auto lesson = ParseLesson(json);
    if (auto *fault = std::get_if<QString>(&lesson))
        LessonFile::Fail(path, *fault);
    return std::get<Lesson>(std::move(lesson));
}

} // namespace graph
