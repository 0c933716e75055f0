#pragma once

#include "dialogs/CDialogBase.h"

#include <QTimer>

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>
#include <vector>

// A modal dialog that runs one long job of the program on its own worker
// thread: reading the remote controllers, .dat import and export, CSV output,
// deleting units. The worker starts when the dialog is first shown, stores the
// job's result and posts 0x8064 as its last action. The dialog ends when both
// the worker has finished and its minimum display time has passed; the caller
// reads Result() after exec() returns.
//
// While the worker runs, nothing ends the modal loop: Escape, Enter and the
// close box are ignored, and reject(), done() or a close request (0x800F) only
// record that closing was asked (and drop the remaining minimum time). The
// dialog then ends as soon as the completion arrives. So the caller never gets
// control back, and the destructor never blocks the GUI thread, while the
// worker might itself be waiting on the GUI thread (the connect-error dialog).
//
// Threads: the job inputs are copied for the worker when it starts; the data
// manager is used by the worker alone until the completion is handled, which
// joins the thread before anything else happens on the GUI side.
class CDialogUpdateBase : public CDialogBase {
    Q_OBJECT

public:
    enum JobKind : int32_t {
        kJobRead = 0,
        kJobImport = 1,
        kJobExport = 2,
        kJobCsv = 3,
        kJobDelete = 4
    };

    ~CDialogUpdateBase() override;

    // Each setter stores the kind and its inputs; kind 0 (read) needs none.
    // The lists are not owned; they are copied when the worker starts.
    void SetImportJob(const std::string& path);
    void SetExportJob(const std::string& path, const std::vector<int32_t>* positions);
    void SetCsvJob(const std::string& folder, const std::vector<int32_t>* positions, int32_t year,
                   int32_t month);
    void SetDeleteJob(const std::vector<std::string>* macs);

    int32_t JobKind() const { return m_jobKind; }
    // The job's code once the worker has finished (0 before): read 2, import
    // the import codes of CFileJobs, export and CSV 0 / 1, delete 0 / 2.
    int32_t Result() const { return m_result.load(std::memory_order_acquire); }
    // True from the worker's start until its completion has been handled.
    bool IsWorkerRunning() const { return m_workerRecorded; }
    bool IsMinimumTimeRunning() const { return m_minimumTimer.isActive(); }
    // reject(), done() or 0x800F arrived while the dialog could not end yet.
    bool IsCloseRequested() const { return m_closeRequested; }

    // The minimum time has passed (or was dropped) and the worker has ended.
    bool MayClose() const override;

    void done(int result) override;
    void setVisible(bool visible) override;

    // Test seam: runs on the worker thread just before the job.
    void SetBeforeJobHook(std::function<void()> hook) { m_beforeJob = std::move(hook); }

protected:
    CDialogUpdateBase(CDataManager* dataManager, QWidget* parent, const CUiTimings& timings,
                      int minimumTimerId, int minimumMs);

    // Once, when the dialog is first shown (the dialog's initialisation).
    virtual void Initialise() = 0;
    // Sets the result to 0 and starts the worker unless one exists.
    void StartWorker();
    void StartMinimumTimer();
    int MinimumTimerId() const { return m_minimumTimerId; }

    bool OnUiEvent(const CUiEvent& event) override;
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // What the worker needs, copied on the GUI thread before it starts.
    struct Job {
        int32_t kind = kJobRead;
        std::string path;
        std::string folder;
        std::vector<int32_t> positions;
        std::vector<std::string> macs;
        int32_t year = 0;
        int32_t month = 0;
    };
    Job MakeJob() const;
    // Runs on the worker thread.
    void WorkerMain(Job job);
    int32_t RunJob(const Job& job);

    void OnWorkerFinished();
    void OnMinimumTimeElapsed();
    void OnCloseRequest();
    void EndIfPossible();
    // Last guard of the destructor: lets the GUI thread serve the worker until
    // it has finished, then joins it.
    void WaitForWorker();

    CDataManager* m_jobManager;
    int32_t m_jobKind = kJobRead;
    std::string m_fileName;
    const std::vector<int32_t>* m_positions = nullptr;
    const std::vector<std::string>* m_macs = nullptr;
    std::string m_folder;
    int32_t m_csvYear = 0;
    int32_t m_csvMonth = 0;
    std::function<void()> m_beforeJob;

    std::thread m_worker;
    std::atomic<int32_t> m_result{0};
    // Written by the worker after the result, before the completion post.
    std::atomic<bool> m_workerDone{false};
    bool m_workerRecorded = false; // GUI thread only
    bool m_initialised = false;
    bool m_closeRequested = false;
    int m_closeCode = QDialog::Rejected;
    bool m_destroying = false;

    int m_minimumTimerId;
    QTimer m_minimumTimer;
};
