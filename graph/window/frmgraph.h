#pragma once

#include "graph/engine/graph_model.h"
#include "platform/forms/form.h"

class QAction;
class QHelpEvent;
class QKeySequence;

// The graph window: shows the graph's surface under its labels, follows its
// screen's device pixel ratio, and copies, saves and prints the graph from its
// context menu and shortcuts. Unloading it wipes the graph, as unloading a
// window destroys what was drawn on it.
class frmGraph : public platform::Form
{
    Q_OBJECT

public:
    frmGraph();

    // The client area's size, and the color the design gives it before any grid.
    static QSize ClientSize();
    static platform::Color FreshColor();

    [[nodiscard]] graph::GraphModel &model() { return m_model; }
    [[nodiscard]] const graph::GraphSurface &surface() const { return m_model.surface(); }

protected:
    void Form_Unload() override;
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    // Right click, or the Menu key: the window system sends both as this event.
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // Draws the surface again from its record when the screen's ratio differs.
    void followDevicePixelRatio();
    void copyGraph();
    void saveGraph();
    void printGraph();
    void addHistoryCommands();
    void addSeparator();
    void saveLesson();
    void openLesson();
    void addCommand(const QString &text, const QKeySequence &shortcut, void (frmGraph::*command)());
    void showWorldPosition(const QHelpEvent &event);
    [[nodiscard]] QString aboutCurveAt(QPointF world) const;
    void showKeyPoints(bool shown);

    graph::GraphModel &m_model;
    QWidget *m_view = nullptr;
    QList<QAction *> m_commands;
};
