#pragma once

#include "graph/graph_drawing.h"
#include "platform/form.h"

class QAction;
class QHelpEvent;
class QKeySequence;

// The graph window: shows the persistent drawing surface under its labels,
// follows its screen's device pixel ratio, and copies, saves and prints the
// graph from its context menu and shortcuts.
class frmGraph : public platform::Form
{
    Q_OBJECT

public:
    frmGraph();

    [[nodiscard]] graph::GraphDrawing &drawing() { return m_drawing; }
    [[nodiscard]] graph::GraphSurface &surface() { return m_drawing.surface(); }
    // Shows what was drawn on the surface since the last repaint.
    void surfaceChanged();

protected:
    bool event(QEvent *event) override;
    // Right click, or the Menu key: the window system sends both as this event.
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    // Draws the surface again from its record when the screen's ratio differs.
    void followDevicePixelRatio();
    void copyGraph();
    void saveGraph();
    void printGraph();
    void addCommand(const QString &text, const QKeySequence &shortcut, void (frmGraph::*command)());
    void showWorldPosition(const QHelpEvent &event);

    graph::GraphDrawing m_drawing;
    QWidget *m_view = nullptr;
    QList<QAction *> m_commands;
};
