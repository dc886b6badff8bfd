// Any bytes read as a lesson give a lesson or a fault in words, never a
// crash; a lesson read is written again and reads back as itself.
#include "graph/engine/lesson.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray json(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const auto read = graph::ParseLesson(json);
    if (const auto *fault = std::get_if<QString>(&read)) {
        if (fault->isEmpty())
            std::abort();
        return 0;
    }
    const graph::Lesson &lesson = std::get<graph::Lesson>(read);
    const auto again = graph::ParseLesson(graph::LessonJson(lesson));
    if (!std::holds_alternative<graph::Lesson>(again) || std::get<graph::Lesson>(again) != lesson)
        std::abort();
    return 0;
}
