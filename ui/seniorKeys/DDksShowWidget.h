#pragma once

#include "sdk/store/VorlanXmlRecords.h"
#include "ui/seniorKeys/DksGridRules.h"

#include <QList>
#include <QPixmap>
#include <QWidget>

class QPainter;

// The 4 x 4 grid of a DKS advanced key's cell states: row r is key r + 1, column c travel point
// c + 1. Clicks on nodes toggle single points, drags from a point's handle draw bars, clicks on a
// bar remove it. Each committed edit is written into the widget's copy of the record and
// announced once.
class DDksShowWidget : public QWidget
{
    Q_OBJECT

public:
    explicit DDksShowWidget(QWidget *parent = nullptr);

    // Lays the grid into the given area; called once, later resizes keep the grid.
    void resizeGrid(int width, int height);
    void setSeniorKeyInfo(SeniorKeyInfoStu info);
    SeniorKeyInfoStu getSeniorKeyInfo() const;

signals:
    void sigDksPageMouseMovePointXY(int posX, int posY);
    void sigTheSeniorKeyInfoStuNeedUpdate_DKS();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int state(int row, int column) const { return m_dksStates[4 * row + column]; }
    DksGridRules::Row rowStates(int row) const;
    void loadStatesFromRecord();
    void storeStatesInRecord();

    void hoverAt(const QPoint &pos);
    void dragTo(const QPoint &pos);
    bool toggleHoveredNode();
    void clickBarAt(const QPoint &pos);

    void paintGrid(QPainter &painter);
    void paintDragBar(QPainter &painter);
    void paintCells(QPainter &painter);
    void paintRowBars(QPainter &painter, int row);
    void updateDragCells(int length);

    int m_colorR = 0;
    int m_colorG = 0;
    int m_colorB = 0;
    bool m_hasInfo = false;
    SeniorKeyInfoStu m_seniorKeyInfo;
    bool m_mousePressed = false;
    int m_width = 0;
    int m_height = 0;
    int m_columnCount = 4;
    int m_rowCount = 4;
    QList<int> m_nodeX;
    QList<int> m_nodeY;
    QList<int> m_midX;
    int m_columnWidth = 0;
    int m_rowHeight = 0;
    QPixmap m_nodeImage;
    QPixmap m_nodeSelImage;
    bool m_hovering = false;
    int m_hoverPosX = 0;
    int m_hoverPosY = 0;
    int m_hoverColumn = 0;
    int m_editRow = 0;
    int m_mousePressPosX = 0;
    int m_mousePressPosY = 0;
    bool m_handleArmed = false;
    int m_dragPosX = 0;
    int m_dragPosY = 0;
    bool m_dragStarted = false;
    int m_lastBarLength = 0;
    bool m_pastMidpoint = false;
    int m_freeColumns = 0;
    int m_freeCells = 0;
    // The record's cell states, index 4 x row + column.
    int m_dksStates[16] = {};
    DksGridRules::Row m_workRow = {};
    bool m_rowChanged = false;
};
