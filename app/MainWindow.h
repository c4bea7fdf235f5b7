#pragma once

#include <QMainWindow>

class QAction;
class QLabel;
class QMenu;
class QScrollArea;
class QToolBar;
class zdWidget;
namespace zd {
class ViewZoom;
}

// MainWindow: the window of zdqt. Menus, a toolbar and a status bar around a
// scrollable grid view that opens and solves the sample puzzle at start.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    MainWindow();

    // Declared in this order on purpose: it fixes their meta-object indices,
    // 0 for open() up to 6 for faq().
private slots:
    void open();
    void solve();
    void about();
    void plus();
    void minus();
    void print();
    void faq();

private:
    void createActions();
    void createMenus();
    void createToolBars();
    void createStatusBar();
    void loadFile(const QString &fileName);
    void showSolveOutcome(bool solved);

    // Export, saving and the view's options. Plain member functions connected
    // to their actions: the slots above are all the window's slots.
    void createOutputAndViewActions();
    void exportImage();
    void savePuzzleAs();
    void setReadableClues(bool on);
    QString puzzlePath() const;

    QMenu *fileMenu = nullptr;
    QMenu *helpMenu = nullptr;
    QToolBar *fileToolBar = nullptr;
    QAction *openAct = nullptr;
    QAction *aboutAct = nullptr;
    QAction *faqAct = nullptr;
    QAction *solveAct = nullptr;
    QAction *printAct = nullptr;
    QAction *quitAct = nullptr;
    QAction *separatorAct = nullptr;
    QAction *plusAct = nullptr;
    QAction *minusAct = nullptr;
    zdWidget *gridView = nullptr;
    QScrollArea *scrollArea = nullptr;
    // Permanent status-bar label with the last solve's outcome; the status
    // message itself stays at "Ready".
    QLabel *outcomeLabel = nullptr;
    QMenu *viewMenu = nullptr;
    QAction *exportAct = nullptr;
    QAction *saveAsAct = nullptr;
    QAction *fitAct = nullptr;
    QAction *readableCluesAct = nullptr;
    zd::ViewZoom *zoom = nullptr;
};
