#pragma once

#include "CMalovanaKrizovkaFromFile.h"

#include <QWidget>

class QPainter;

// zdWidget: the grid view. Owns one puzzle, lays it out from a single cell size
// and paints its clues, grid lines and cell marks on screen or on any painter.
class zdWidget : public QWidget
{
    Q_OBJECT

public:
    // The two programs draw the same puzzle slightly differently: the main
    // program with a caption and pixel-sized clue font, the viewer without.
    enum class Variant { Main, Viewer };

    explicit zdWidget(QWidget *parent = nullptr, Variant variant = Variant::Main);

    void updateLayout();
    void setCellSize(int pixels);
    int cellSize() const;
    // Reads a text puzzle file; returns true in every case (see lastLoadError()).
    bool load(const char *path);
    // Runs the line solver; true when it solved the puzzle.
    bool solve();
    void paintPuzzle(QPainter *painter);

    // What the last load() reported: empty after success.
    QString lastLoadError() const;
    const CMalovanaKrizovkaFromFile &model() const { return puzzle; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    CMalovanaKrizovkaFromFile puzzle;
    int cellPixels = 8;
    int maxRowClues = 0;
    int maxColumnClues = 0;
    int rowClueWidth = 0;
    int columnClueHeight = 0;
    Variant variant;
};
