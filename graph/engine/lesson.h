#pragma once

#include "graph/engine/drawing_record.h"

#include <QByteArray>
#include <QString>

#include <variant>
#include <vector>

namespace graph {

// A lesson a teacher hands out: the colors in force and the equations drawn
// since the last clearing, in order, as a .curvista file (JSON).
struct LessonLine
{
    Single m;
    Single c;
    bool operator==(const LessonLine &) const = default;
};

struct LessonParabola
{
    Single a;
    Single b;
    Single c;
    bool operator==(const LessonParabola &) const = default;
};

using LessonCurve = std::variant<LessonLine, LessonParabola>;

struct Lesson
{
    GridColors colors;
    std::vector<LessonCurve> curves;
    bool operator==(const Lesson &) const = default;
};

// The suffix of lesson files, without the dot.
inline constexpr char LessonSuffix[] = "curvista";
// Larger files and longer lists are refused rather than drawn for minutes.
constexpr qint64 LessonMaxBytes = qint64{4} * 1024 * 1024;
constexpr std::size_t LessonMaxCurves = 10000;

// The equations of the record, with the colors of its grid (or the given
// ones, before any grid).
Lesson LessonOf(const DrawingRecord &record, const GridColors &inForce);

// Each number in its shortest form that reads back as the same Single.
QByteArray LessonJson(const Lesson &lesson);

// The lesson the text holds, or what is wrong with it, in words for the user.
std::variant<Lesson, QString> ParseLesson(const QByteArray &json);

// Writes the whole file or nothing; a failure raises a runtime error naming
// the file and the reason.
void SaveLesson(const Lesson &lesson, const QString &path);
// Reads the file; what cannot be read or is not a lesson raises a runtime
// error naming the file and what is wrong.
Lesson OpenLesson(const QString &path);

} // namespace graph
