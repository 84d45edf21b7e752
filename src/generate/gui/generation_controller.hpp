// The generation commands of the main window: 开始起名 for every mode, the pages' own generate
// buttons, pause and continue, the three exports, the waiting window and the progress shown in
// the status bar. It owns the worker thread; the job itself runs in the core and reaches the
// window only through a QtGenerationWindow.
#pragma once

#include <QObject>
#include <QPointer>
#include <memory>

#include "generate/generation_window.hpp"
#include "generate/generation_worker.hpp"

class QLabel;
class QPushButton;

namespace qinghe {

class QingHeMain;
class QtGenerationWindow;
class WaitingWindow;

class GenerationController : public QObject {
    Q_OBJECT

public:
    explicit GenerationController(QingHeMain& main);
    ~GenerationController() override;

    // 开始起名 on the mode-selection page.
    void startRequested();
    // Starts a job of the mode on the worker thread, stopping the one that runs first.
    void startJob(GenerationMode mode);
    // Stops a running or paused job at once (a new surname, the end of the program). What the
    // job would have reset at its end is reset here: the waiting window closes and mode
    // selection is possible again.
    void terminate();
    bool jobRunning() const { return worker_.running(); }

    // The pause buttons of the high-score and super-auspicious pages, toggled by their caption.
    void togglePause(QPushButton* pauseButton, QPushButton* exportButton);
    // The export buttons.
    void exportHighScore();
    void exportSuperAuspicious();
    void exportClassic();

    // The folder the export files go to (data/ beside the program, or the user's data folder
    // when that one cannot be written).
    QString exportFolder() const;

private:
    void clearList(ResultList list);
    void fillPoetList();
    void setControl(JobControlId control, bool enabled);
    void showProgress(size_t done, size_t total);

    QingHeMain& main_;
    GenerationWorker worker_;
    WaitingWindow* waiting_;
    QLabel* progressLabel_;
    QPointer<QtGenerationWindow> current_;
};

}  // namespace qinghe
