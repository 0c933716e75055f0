#include "dialogs/CDialogUpdateBase.h"

#include "data/CDataManager.h"
#include "files/CFileJobs.h"
#include "ui/controls/UiMessages.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QShowEvent>
#include <QThread>

#include <system_error>

#if defined(__SANITIZE_THREAD__)
#define TEVARO_TSAN_HAND_OFF 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define TEVARO_TSAN_HAND_OFF 1
#endif
#endif
#if defined(TEVARO_TSAN_HAND_OFF)
#include <sanitizer/tsan_interface.h>
#endif

namespace {
// What the read job reports; the caller does not use it.
constexpr int32_t kReadResult = 2;

// Qt's event queue hands the completion event from the worker to the GUI
// thread under a lock ThreadSanitizer cannot see (Qt is not instrumented).
// These two calls tell it about that hand-over, so the event's memory counts
// as passed on, as it really is.
void MarkHandedOver(void* event) {
#if defined(TEVARO_TSAN_HAND_OFF)
    __tsan_release(event);
#else
    (void)event;
#endif
}

void MarkTakenOver(void* event) {
#if defined(TEVARO_TSAN_HAND_OFF)
    __tsan_acquire(event);
#else
    (void)event;
#endif
}
} // namespace

CDialogUpdateBase::CDialogUpdateBase(CDataManager* dataManager, QWidget* parent,
                                     const CUiTimings& timings, int minimumTimerId, int minimumMs)
    : CDialogBase(dataManager, parent, timings), m_jobManager(dataManager),
      m_minimumTimerId(minimumTimerId) {
    m_minimumTimer.setSingleShot(true);
    // A minimum is a minimum: a coarse timer may fire up to 5 % early.
    m_minimumTimer.setTimerType(Qt::PreciseTimer);
    m_minimumTimer.setInterval(minimumMs);
    connect(&m_minimumTimer, &QTimer::timeout, this, &CDialogUpdateBase::OnMinimumTimeElapsed);
}

CDialogUpdateBase::~CDialogUpdateBase() {
    // From here on nothing may end the dialog: it is half gone.
    m_destroying = true;
    m_minimumTimer.stop();
    WaitForWorker();
}

void CDialogUpdateBase::SetImportJob(const std::string& path) {
    m_jobKind = kJobImport;
    m_fileName = path;
}

void CDialogUpdateBase::SetExportJob(const std::string& path,
                                     const std::vector<int32_t>* positions) {
    m_jobKind = kJobExport;
    m_fileName = path;
    m_positions = positions;
}

void CDialogUpdateBase::SetCsvJob(const std::string& folder, const std::vector<int32_t>* positions,
                                  int32_t year, int32_t month) {
    m_jobKind = kJobCsv;
    m_folder = folder;
    m_positions = positions;
    m_csvYear = year;
    m_csvMonth = month;
}

void CDialogUpdateBase::SetDeleteJob(const std::vector<std::string>* macs) {
    m_jobKind = kJobDelete;
    m_macs = macs;
}

bool CDialogUpdateBase::MayClose() const {
    return !m_minimumTimer.isActive() && !m_workerRecorded;
}

CDialogUpdateBase::Job CDialogUpdateBase::MakeJob() const {
    Job job;
    job.kind = m_jobKind;
    job.path = m_fileName;
    job.folder = m_folder;
    if (m_positions != nullptr) {
        job.positions = *m_positions;
    }
    if (m_macs != nullptr) {
        job.macs = *m_macs;
    }
    job.year = m_csvYear;
    job.month = m_csvMonth;
    return job;
}

void CDialogUpdateBase::StartWorker() {
    m_result.store(0, std::memory_order_relaxed);
    if (m_worker.joinable() || m_workerRecorded) {
        return;
    }
    m_workerDone.store(false, std::memory_order_relaxed);
    m_workerRecorded = true;
    try {
        m_worker = std::thread(&CDialogUpdateBase::WorkerMain, this, MakeJob());
    } catch (const std::system_error&) {
        // No thread to be had: do the job here rather than report a job that
        // never ran. The window freezes meanwhile, but the result is true.
        WorkerMain(MakeJob());
    }
}

void CDialogUpdateBase::WorkerMain(Job job) {
    if (m_beforeJob) {
        m_beforeJob();
    }
    const int32_t result = RunJob(job);
    m_result.store(result, std::memory_order_relaxed);
    m_workerDone.store(true, std::memory_order_release);
    // UiPost, with the hand-over marked once the event exists.
    auto* finished = new CUiEvent(UiMsg::kWorkerFinished);
    MarkHandedOver(finished);
    QCoreApplication::postEvent(this, finished);
}

int32_t CDialogUpdateBase::RunJob(const Job& job) {
    CFileJobs jobs(m_jobManager);
    switch (job.kind) {
    case kJobRead:
        if (m_jobManager != nullptr) {
            m_jobManager->Update4Remocon();
        }
        return kReadResult;
    case kJobImport:
        return jobs.RunImportJob(job.path);
    case kJobExport:
        return jobs.RunExportJob(job.positions, job.path);
    case kJobCsv:
        return jobs.RunCsvJob(job.folder, job.positions, job.year, job.month);
    case kJobDelete:
        return jobs.RunDeleteJob(job.macs);
    default:
        return 0;
    }
}

void CDialogUpdateBase::StartMinimumTimer() {
    m_minimumTimer.start();
}

bool CDialogUpdateBase::event(QEvent* event) {
    MarkTakenOver(event);
    // The completion is told by its type alone: the worker's results travel
    // through m_workerDone and the join, never through the event's fields.
    if (event->type() == CUiEvent::TypeOf(UiMsg::kWorkerFinished)) {
        if (!m_destroying) {
            OnWorkerFinished();
        }
        return true;
    }
    return CDialogBase::event(event);
}

bool CDialogUpdateBase::OnUiEvent(const CUiEvent& event) {
    if (event.Message() == UiMsg::kCloseRequest) {
        OnCloseRequest();
        return true;
    }
    return CDialogBase::OnUiEvent(event);
}

void CDialogUpdateBase::OnWorkerFinished() {
    if (!m_workerRecorded) {
        return;
    }
    // The completion is the worker's last action, so this join is at once.
    if (m_worker.joinable()) {
        m_worker.join();
    }
    m_workerRecorded = false;
    EndIfPossible();
}

void CDialogUpdateBase::OnMinimumTimeElapsed() {
    m_minimumTimer.stop();
    EndIfPossible();
}

void CDialogUpdateBase::OnCloseRequest() {
    m_closeRequested = true;
    m_closeCode = QDialog::Rejected;
    m_minimumTimer.stop();
    EndIfPossible();
}

void CDialogUpdateBase::EndIfPossible() {
    if (m_destroying || !MayClose() || !isVisible()) {
        return;
    }
    QDialog::done(m_closeRequested ? m_closeCode : QDialog::Accepted);
}

void CDialogUpdateBase::done(int result) {
    if (m_workerRecorded) {
        // Ending the loop now would hand control back (and soon the
        // destructor's join) while the worker may wait on this thread.
        m_closeRequested = true;
        m_closeCode = result;
        m_minimumTimer.stop();
        return;
    }
    m_minimumTimer.stop();
    QDialog::done(result);
}

void CDialogUpdateBase::setVisible(bool visible) {
    if (!visible && m_workerRecorded && isVisible() && !m_destroying) {
        done(QDialog::Rejected);
        return;
    }
    CDialogBase::setVisible(visible);
}

void CDialogUpdateBase::showEvent(QShowEvent* event) {
    CDialogBase::showEvent(event);
    if (!m_initialised && !event->spontaneous()) {
        m_initialised = true;
        Initialise();
    }
}

void CDialogUpdateBase::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Enter:
    case Qt::Key_Return:
        // The person cannot end a running job; the window stays.
        event->accept();
        return;
    default:
        CDialogBase::keyPressEvent(event);
    }
}

void CDialogUpdateBase::closeEvent(QCloseEvent* event) {
    // The close box (and close()) does nothing; reject() and 0x800F are the
    // program's ways to end the dialog.
    event->ignore();
}

void CDialogUpdateBase::WaitForWorker() {
    if (!m_worker.joinable()) {
        return;
    }
    if (QCoreApplication::instance() != nullptr &&
        QCoreApplication::instance()->thread() == QThread::currentThread()) {
        // The worker may be waiting for this thread (a connect-error dialog
        // the person has to close); keep serving it, input included, until it
        // has posted its completion. Only a dialog destroyed without being
        // ended comes here, e.g. with its parent.
        while (!m_workerDone.load(std::memory_order_acquire)) {
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        }
    }
    m_worker.join();
}
