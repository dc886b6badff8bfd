#pragma once

#include "graph/pictures/graph_export.h"

#include "platform/core/factory.h"

#include <functional>
#include <optional>

class QPrinter;
class QWidget;

namespace graph {

// The dialogs that ask where the graph goes (a file to save it to, a printer)
// and which lesson file to save or open.
class ExportDialogs
{
public:
    virtual ~ExportDialogs() = default;

    // The file and its kind; nothing when the user cancels.
    virtual std::optional<SaveTarget> chooseSaveTarget(QWidget *parent) = 0;
    // Sets the printer up; false when the user cancels.
    virtual bool choosePrinter(QPrinter &printer, QWidget *parent) = 0;
    // A lesson file to write; nothing when the user cancels.
    virtual std::optional<QString> chooseLessonToSave(QWidget *parent) = 0;
    // Hands open a lesson file to read, unless the user cancels. A browser's
    // dialog does not wait: there, open runs once the file has come.
    virtual void chooseLessonToOpen(QWidget *parent, std::function<void(const QString &path)> open) = 0;
};

using ExportDialogsFactory = platform::Factory<ExportDialogs>;

// Qt's file and print dialogs, or what a test installed instead.
std::unique_ptr<ExportDialogs> CreateExportDialogs();

// Replaces what CreateExportDialogs makes; returns the previous factory.
ExportDialogsFactory SetExportDialogsFactory(ExportDialogsFactory factory);

} // namespace graph
