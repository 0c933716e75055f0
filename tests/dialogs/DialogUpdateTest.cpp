// The progress dialogs and their worker: minimum time, completion, what ends
// them and what does not, the job results, the animation and the
// connect-error dialog asked for by the worker.
#include "DialogTestSupport.h"
#include "dialogs/CDialogConnectError.h"
#include "dialogs/CDialogSplashScreen.h"
#include "dialogs/CDialogUpdate.h"
#include "dialogs/CGuiConnectErrorReceiver.h"
#include "files/CFileJobs.h"
#include "resources/CStringTable.h"
#include "sim/CRemoconSimulator.h"
#include "ui/controls/UiMessages.h"

#include <QCloseEvent>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <thread>

namespace {

enum class Kind { kProgress, kSplash };

const char* Name(Kind kind) {
    return kind == Kind::kProgress ? "progress" : "splash";
}

std::unique_ptr<CDialogUpdateBase> MakeDialog(Kind kind, CDataManager* manager,
                                              const CUiTimings& timings) {
    if (kind == Kind::kSplash) {
        return std::make_unique<CDialogSplashScreen>(manager, nullptr, timings);
    }
    return std::make_unique<CDialogUpdate>(manager, nullptr, timings);
}

// Remembers the animation step of every redraw and the title it was drawn
// under.
class RecordingUpdate : public CDialogUpdate {
public:
    using CDialogUpdate::CDialogUpdate;
    std::vector<int> steps;
    QString title;

protected:
    void DrawContent(CDrawSurface& canvas) override {
        steps.push_back(AnimationStep());
        title = windowTitle();
        CDialogUpdate::DrawContent(canvas);
    }
};

class ProgressDialogTest : public DialogFixture {};

TEST_F(ProgressDialogTest, QuickJobStillShowsForTheMinimumTime) {
    constexpr int kMinimum = 400;
    for (Kind kind : {Kind::kProgress, Kind::kSplash}) {
        SCOPED_TRACE(Name(kind));
        auto dialog = MakeDialog(kind, m_manager.get(), ShortTimings(kMinimum));
        bool seenFinished = false;
        bool waitedForTheMinimum = false;
        Poller poller([&](qint64) {
            if (!seenFinished && dialog->isVisible() && !dialog->IsWorkerRunning()) {
                seenFinished = true;
                waitedForTheMinimum = dialog->IsMinimumTimeRunning();
            }
        });
        poller.Start();
        QElapsedTimer clock;
        clock.start();
        const int code = dialog->exec();
        const qint64 elapsed = clock.elapsed();
        poller.Stop();
        EXPECT_EQ(code, QDialog::Accepted);
        EXPECT_GE(elapsed, kMinimum);
        // The job was over while the minimum time still ran.
        EXPECT_TRUE(seenFinished);
        EXPECT_TRUE(waitedForTheMinimum);
        EXPECT_EQ(dialog->Result(), 2);
        EXPECT_FALSE(dialog->IsWorkerRunning());
    }
}

TEST_F(ProgressDialogTest, SlowJobEndsRightAfterItsCompletion) {
    for (Kind kind : {Kind::kProgress, Kind::kSplash}) {
        SCOPED_TRACE(Name(kind));
        Gate gate;
        auto dialog = MakeDialog(kind, m_manager.get(), ShortTimings(30));
        dialog->SetBeforeJobHook(gate.Hook());
        qint64 releasedAt = -1;
        bool waitingAtRelease = false;
        Poller poller([&](qint64 ms) {
            // Well past the minimum time, the job still runs.
            if (releasedAt < 0 && gate.Entered() && ms >= 200) {
                waitingAtRelease = dialog->isVisible() && dialog->IsWorkerRunning() &&
                                   !dialog->IsMinimumTimeRunning();
                releasedAt = ms;
                gate.Open();
            }
        });
        poller.Start();
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(dialog->exec(), QDialog::Accepted);
        const qint64 end = clock.elapsed();
        poller.Stop();
        EXPECT_TRUE(waitingAtRelease);
        ASSERT_GE(releasedAt, 0);
        EXPECT_GE(end, releasedAt);
        EXPECT_LT(end - releasedAt, 2000);
        EXPECT_EQ(dialog->Result(), 2);
    }
}

TEST_F(ProgressDialogTest, EscapeEnterAndTheCloseBoxDoNothing) {
    struct Input {
        const char* name;
        std::function<void(CDialogUpdateBase&)> send;
    };
    const std::vector<Input> inputs = {
        {"Escape", [](CDialogUpdateBase& d) { QTest::keyClick(&d, Qt::Key_Escape); }},
        {"Return", [](CDialogUpdateBase& d) { QTest::keyClick(&d, Qt::Key_Return); }},
        {"Enter",
         [](CDialogUpdateBase& d) { QTest::keyClick(&d, Qt::Key_Enter, Qt::KeypadModifier); }},
        {"close box",
         [](CDialogUpdateBase& d) {
             QCloseEvent close;
             QCoreApplication::sendEvent(&d, &close);
             EXPECT_FALSE(close.isAccepted());
         }},
        {"close()", [](CDialogUpdateBase& d) { EXPECT_FALSE(d.close()); }},
    };
    for (Kind kind : {Kind::kProgress, Kind::kSplash}) {
        for (const Input& input : inputs) {
            SCOPED_TRACE(std::string(Name(kind)) + " " + input.name);
            Gate gate;
            auto dialog = MakeDialog(kind, m_manager.get(), ShortTimings(60));
            dialog->SetBeforeJobHook(gate.Hook());
            bool sent = false;
            bool stayed = true;
            bool released = false;
            Poller poller([&](qint64 ms) {
                if (!gate.Entered() || released) {
                    return;
                }
                if (!sent) {
                    input.send(*dialog);
                    sent = true;
                }
                stayed = stayed && dialog->isVisible() && !dialog->IsCloseRequested();
                if (ms >= 150) {
                    released = true;
                    gate.Open();
                }
            });
            poller.Start();
            // Not rejected: it ended by itself once the job was done.
            EXPECT_EQ(dialog->exec(), QDialog::Accepted);
            poller.Stop();
            EXPECT_TRUE(sent);
            EXPECT_TRUE(stayed);
        }
    }
}

TEST_F(ProgressDialogTest, CloseRequestEndsTheLoopOnlyAfterTheWorkerAndTheGuiKeepsRunning) {
    struct Request {
        const char* name;
        std::function<void(CDialogUpdateBase&)> ask;
        int code;
    };
    const std::vector<Request> requests = {
        {"0x800F", [](CDialogUpdateBase& d) { UiPost(&d, UiMsg::kCloseRequest); },
         QDialog::Rejected},
        {"reject()", [](CDialogUpdateBase& d) { d.reject(); }, QDialog::Rejected},
        // What the frame's close poll does.
        {"0x800F and a queued reject()",
         [](CDialogUpdateBase& d) {
             UiPost(&d, UiMsg::kCloseRequest);
             QMetaObject::invokeMethod(&d, "reject", Qt::QueuedConnection);
         },
         QDialog::Rejected},
        {"hide()", [](CDialogUpdateBase& d) { d.hide(); }, QDialog::Rejected},
        {"accept()", [](CDialogUpdateBase& d) { d.accept(); }, QDialog::Accepted},
    };
    // The minimum time never passes here: only the request can end the dialog.
    const CUiTimings timings = ShortTimings(60000);
    for (Kind kind : {Kind::kProgress, Kind::kSplash}) {
        for (bool held : {true, false}) {
            for (const Request& request : requests) {
                SCOPED_TRACE(std::string(Name(kind)) + (held ? " running " : " finished ") +
                             request.name);
                Gate gate;
                if (!held) {
                    gate.Open();
                }
                auto dialog = MakeDialog(kind, m_manager.get(), timings);
                dialog->SetBeforeJobHook(gate.Hook());
                qint64 askedAt = -1;
                qint64 releasedAt = -1;
                int ticksAtAsk = 0;
                int ticksWhileWaiting = 0;
                int redrawsAtAsk = 0;
                int redrawsWhileWaiting = 0;
                bool stayedWhileRunning = true;
                Poller* self = nullptr;
                Poller poller([&](qint64 ms) {
                    const bool ready = held ? gate.Entered() : !dialog->IsWorkerRunning();
                    if (askedAt < 0 && ready && dialog->isVisible()) {
                        request.ask(*dialog);
                        askedAt = ms;
                        ticksAtAsk = self->Ticks();
                        redrawsAtAsk = dialog->RedrawCount();
                        return;
                    }
                    if (!held || askedAt < 0 || releasedAt >= 0) {
                        return;
                    }
                    stayedWhileRunning = stayedWhileRunning && dialog->isVisible() &&
                                         dialog->IsCloseRequested() &&
                                         !dialog->IsMinimumTimeRunning();
                    if (ms - askedAt >= 100) {
                        ticksWhileWaiting = self->Ticks() - ticksAtAsk;
                        redrawsWhileWaiting = dialog->RedrawCount() - redrawsAtAsk;
                        releasedAt = ms;
                        gate.Open();
                    }
                });
                self = &poller;
                poller.Start();
                QElapsedTimer clock;
                clock.start();
                EXPECT_EQ(dialog->exec(), request.code);
                const qint64 end = clock.elapsed();
                poller.Stop();
                ASSERT_GE(askedAt, 0);
                EXPECT_FALSE(dialog->IsWorkerRunning());
                EXPECT_EQ(dialog->Result(), 2);
                if (held) {
                    EXPECT_TRUE(stayedWhileRunning);
                    ASSERT_GE(releasedAt, 0);
                    EXPECT_GE(end, releasedAt);
                    // The GUI thread ran its timers the whole time.
                    EXPECT_GE(ticksWhileWaiting, 10);
                    if (kind == Kind::kProgress) {
                        EXPECT_GT(redrawsWhileWaiting, 0);
                    }
                }
                EXPECT_LT(end - askedAt, 5000);
            }
        }
    }
}

TEST_F(ProgressDialogTest, DestroyingWhileTheWorkerWaitsForTheGuiThreadStillEnds) {
    // The last guard: a dialog destroyed without being ended, while its worker
    // is about to wait for a connect-error dialog on this thread.
    CGuiConnectErrorReceiver receiver(nullptr);
    std::atomic<bool> asking{false};
    auto dialog = std::make_unique<CDialogUpdate>(nullptr, nullptr, ShortTimings(60000));
    dialog->SetBeforeJobHook([&] {
        asking.store(true);
        receiver.ShowConnectError(kConnectErrorPictureGeneral);
    });
    dialog->show();
    // No event is handled meanwhile, so the request waits in the queue.
    while (!asking.load()) {
        std::this_thread::yield();
    }
    std::vector<int32_t> shown;
    Poller poller([&](qint64) {
        for (CDialogConnectError* error : VisibleTopLevels<CDialogConnectError>()) {
            shown.push_back(error->PictureId());
            QTest::keyClick(error, Qt::Key_Return);
        }
    });
    poller.Start();
    dialog.reset();
    poller.Stop();
    EXPECT_EQ(shown, std::vector<int32_t>{kConnectErrorPictureGeneral});
    EXPECT_EQ(receiver.ShownCount(), 1);
}

TEST_F(ProgressDialogTest, EachJobKindGivesItsResult) {
    // List positions 0, 1, 2 are units 1, 2, 3.
    for (int n = 1; n <= 3; ++n) {
        AddUnit(*m_manager, n);
    }
    const auto& list = m_manager->GetRemoConList();
    ASSERT_EQ(list.size(), 3u);
    const std::string csvFirst = CFileJobs::CsvFileName(m_dir.Path(), list[0], 2013, 4);
    const std::string csvSecond = CFileJobs::CsvFileName(m_dir.Path(), list[1], 2013, 4);

    // A .dat with unit 5 and one with unit 8, each written from its own database.
    for (int n : {5, 8}) {
        auto source = NewManager("source" + std::to_string(n) + ".sdf");
        AddUnit(*source, n);
        const std::string path = m_dir.File(n == 5 ? "five.dat" : "eight.dat");
        ASSERT_TRUE(CFileJobs(source.get()).SaveAppInfoProfile({0}, path));
    }

    const std::vector<int32_t> twoPositions = {0, 1};
    const std::vector<int32_t> badMiddle = {0, 9, 1};
    const std::vector<int32_t> badExport = {0, 9};
    const std::vector<std::string> withEmpty = {Mac(1), "", Mac(2)};
    const std::vector<std::string> third = {Mac(3)};

    struct Case {
        const char* name;
        std::function<void(CDialogUpdate&)> set;
        int32_t kind;
        int32_t result;
        std::function<void()> check;
    };
    const std::vector<Case> cases = {
        {"read", [](CDialogUpdate&) {}, CDialogUpdateBase::kJobRead, 2, [] {}},
        {"export", [&](CDialogUpdate& d) { d.SetExportJob(m_dir.File("out.dat"), &twoPositions); },
         CDialogUpdateBase::kJobExport, 0,
         [&] { EXPECT_TRUE(std::filesystem::exists(m_dir.File("out.dat"))); }},
        {"export of an unknown position",
         [&](CDialogUpdate& d) { d.SetExportJob(m_dir.File("bad.dat"), &badExport); },
         CDialogUpdateBase::kJobExport, 1,
         [&] { EXPECT_FALSE(std::filesystem::exists(m_dir.File("bad.dat"))); }},
        {"CSV", [&](CDialogUpdate& d) { d.SetCsvJob(m_dir.Path(), &twoPositions, 2013, 4); },
         CDialogUpdateBase::kJobCsv, 0,
         [&] {
             EXPECT_TRUE(std::filesystem::exists(csvFirst));
             EXPECT_TRUE(std::filesystem::exists(csvSecond));
             std::filesystem::remove(csvFirst);
             std::filesystem::remove(csvSecond);
         }},
        {"CSV with a failing middle entry",
         [&](CDialogUpdate& d) { d.SetCsvJob(m_dir.Path(), &badMiddle, 2013, 4); },
         CDialogUpdateBase::kJobCsv, 1,
         [&] {
             EXPECT_TRUE(std::filesystem::exists(csvFirst));
             // The entry after the failure was still written.
             EXPECT_TRUE(std::filesystem::exists(csvSecond));
         }},
        {"import", [&](CDialogUpdate& d) { d.SetImportJob(m_dir.File("five.dat")); },
         CDialogUpdateBase::kJobImport, CFileJobs::kImportOk,
         [&] { EXPECT_TRUE(IsRegistered(*m_manager, Mac(5))); }},
        {"import of an unreadable file",
         [&](CDialogUpdate& d) { d.SetImportJob(m_dir.File("missing.dat")); },
         CDialogUpdateBase::kJobImport, CFileJobs::kImportUnreadable, [] {}},
        {"delete with an empty MAC", [&](CDialogUpdate& d) { d.SetDeleteJob(&withEmpty); },
         CDialogUpdateBase::kJobDelete, 2,
         [&] {
             EXPECT_FALSE(IsRegistered(*m_manager, Mac(1)));
             EXPECT_FALSE(IsRegistered(*m_manager, Mac(2)));
             EXPECT_TRUE(IsRegistered(*m_manager, Mac(3)));
         }},
        {"delete", [&](CDialogUpdate& d) { d.SetDeleteJob(&third); }, CDialogUpdateBase::kJobDelete,
         0, [&] { EXPECT_FALSE(IsRegistered(*m_manager, Mac(3))); }},
        {"import of an eighth unit",
         [&](CDialogUpdate& d) {
             // Seven registered: 5 from the import and six more.
             for (int n = 10; n < 16; ++n) {
                 AddUnit(*m_manager, n);
             }
             ASSERT_EQ(m_manager->GetRemoConCount(), 7);
             d.SetImportJob(m_dir.File("eight.dat"));
         },
         CDialogUpdateBase::kJobImport, CFileJobs::kImportLimit,
         [&] {
             EXPECT_FALSE(IsRegistered(*m_manager, Mac(8)));
             EXPECT_EQ(m_manager->GetRemoConCount(), 7);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CDialogUpdate dialog(m_manager.get(), nullptr, ShortTimings(1));
        c.set(dialog);
        EXPECT_EQ(dialog.JobKind(), c.kind);
        EXPECT_EQ(dialog.Result(), 0);
        EXPECT_EQ(dialog.exec(), QDialog::Accepted);
        EXPECT_EQ(dialog.Result(), c.result);
        c.check();
    }
}

TEST_F(ProgressDialogTest, AnimationStepsWrapThroughItsFivePictures) {
    const std::vector<std::pair<int, int32_t>> pictures = {
        {1, 259}, {2, 260}, {3, 261}, {4, 262}, {5, 263}};
    for (const auto& [step, picture] : pictures) {
        EXPECT_EQ(CDialogUpdate::AnimationPicture(step), picture) << step;
    }

    Gate gate;
    RecordingUpdate dialog(m_manager.get(), nullptr, ShortTimings(60000, 5));
    dialog.SetBeforeJobHook(gate.Hook());
    Poller poller([&](qint64) {
        if (dialog.steps.size() >= 13 && dialog.isVisible()) {
            dialog.reject();
            gate.Open();
        }
    });
    poller.Start();
    dialog.exec();
    poller.Stop();
    ASSERT_GE(dialog.steps.size(), 13u);
    EXPECT_EQ(dialog.steps.front(), 1);
    for (size_t i = 1; i < dialog.steps.size(); ++i) {
        EXPECT_EQ(dialog.steps[i], dialog.steps[i - 1] % 5 + 1) << i;
    }
}

TEST_F(ProgressDialogTest, TitleBackgroundAndAnimationPositionPerJob) {
    struct Case {
        int32_t titleId;
        int32_t background;
        const char* title;
        int x;
    };
    const std::vector<Case> cases = {{21000, 256, "リモコン接続", 192},
                                     {21001, 365, "読み込み", 154},
                                     {21002, 366, "データ複製", 154},
                                     {21003, 367, "機種削除", 154},
                                     {21004, 368, "CSV書き出し", 154}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        RecordingUpdate dialog(nullptr, nullptr, ShortTimings(1));
        dialog.SetTitleId(c.titleId);
        EXPECT_EQ(dialog.RunWithBackground(c.background), QDialog::Accepted);
        EXPECT_EQ(dialog.title, QString::fromUtf8(c.title));
        EXPECT_EQ(dialog.BackgroundId(), c.background);
        EXPECT_EQ(dialog.AnimationX(), c.x);
        EXPECT_EQ(dialog.AnimationY(), 40);
        EXPECT_EQ(dialog.size(), QSize(404, 190));
        EXPECT_EQ(dialog.Canvas().Width(), 404);
        EXPECT_EQ(dialog.Canvas().Height(), 190);
    }
}

TEST_F(ProgressDialogTest, ConnectErrorOfTheWorkerShowsOnTheGuiThreadAndTheReadGoesOn) {
    CRemoconSimulator sim(m_dir.File("sim"));
    const std::vector<std::pair<int, SimFault>> units = {
        {1, SimFault::ZeroMac}, {2, SimFault::BadChecksum}, {3, SimFault::None}};
    for (const auto& [n, fault] : units) {
        SimUnitConfig unit;
        unit.mac = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, static_cast<uint8_t>(n)};
        unit.model = "SIM-" + std::to_string(n);
        unit.fault = fault;
        std::string error;
        ASSERT_GE(sim.AddUnit(unit, error), 0) << error;
    }
    CreateManager(sim.SysfsRoot(), sim.DevRoot());
    CGuiConnectErrorReceiver receiver(nullptr);
    m_manager->SetConnectErrorReceiver(&receiver);

    CDialogUpdate dialog(m_manager.get(), nullptr, ShortTimings(1, 10));
    std::vector<int32_t> pictures;
    std::vector<int> redrawsWhileOpen;
    size_t mostOpen = 0;
    bool onGuiThread = true;
    bool workerWaited = true;
    bool open = false;
    qint64 openedAt = 0;
    int redrawsAtOpen = 0;
    Poller poller([&](qint64 ms) {
        const auto errors = VisibleTopLevels<CDialogConnectError>();
        mostOpen = std::max(mostOpen, errors.size());
        if (errors.empty()) {
            return;
        }
        CDialogConnectError* error = errors.front();
        if (!open) {
            open = true;
            openedAt = ms;
            redrawsAtOpen = dialog.RedrawCount();
            pictures.push_back(error->PictureId());
            onGuiThread = onGuiThread && error->thread() == QCoreApplication::instance()->thread();
            workerWaited = workerWaited && dialog.IsWorkerRunning() && dialog.isVisible();
        } else if (ms - openedAt >= 80) {
            redrawsWhileOpen.push_back(dialog.RedrawCount() - redrawsAtOpen);
            workerWaited = workerWaited && dialog.IsWorkerRunning();
            QTest::keyClick(error, Qt::Key_Return);
            open = false;
        }
    });
    poller.Start();
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    poller.Stop();
    std::sort(pictures.begin(), pictures.end());
    EXPECT_EQ(pictures,
              (std::vector<int32_t>{kConnectErrorPictureNoMac, kConnectErrorPictureGeneral}));
    EXPECT_EQ(receiver.ShownCount(), 2);
    EXPECT_EQ(mostOpen, 1u);
    EXPECT_TRUE(onGuiThread);
    EXPECT_TRUE(workerWaited);
    // The progress dialog went on animating under the error.
    for (int redraws : redrawsWhileOpen) {
        EXPECT_GT(redraws, 0);
    }
    EXPECT_EQ(dialog.Result(), 2);
    ASSERT_EQ(m_manager->GetRemoConCount(), 1);
    EXPECT_EQ(m_manager->GetRemoCon(0)->macAddress, Mac(3));
}

TEST_F(ProgressDialogTest, ReceiverShowsTheDialogFromAnyThread) {
    for (bool fromWorker : {false, true}) {
        SCOPED_TRACE(fromWorker ? "worker thread" : "GUI thread");
        CGuiConnectErrorReceiver receiver(nullptr);
        std::vector<int32_t> shown;
        QString title;
        QSize size;
        Poller poller([&](qint64) {
            for (CDialogConnectError* error : VisibleTopLevels<CDialogConnectError>()) {
                shown.push_back(error->PictureId());
                title = error->windowTitle();
                size = error->size();
                QTest::keyClick(error, Qt::Key_Return);
            }
        });
        poller.Start();
        if (fromWorker) {
            std::atomic<bool> returned{false};
            std::thread worker([&] {
                receiver.ShowConnectError(kConnectErrorPictureTimeout);
                returned.store(true);
            });
            EXPECT_TRUE(QTest::qWaitFor([&] { return returned.load(); }, 20000));
            worker.join();
        } else {
            // Directly: a blocking queued call to its own thread would hang.
            receiver.ShowConnectError(kConnectErrorPictureTimeout);
        }
        EXPECT_EQ(shown, std::vector<int32_t>{kConnectErrorPictureTimeout});
        EXPECT_EQ(receiver.ShownCount(), 1);
        EXPECT_EQ(title, QString::fromUtf8("データ取得エラー"));
        EXPECT_EQ(size, QSize(404, 190));
    }
}

} // namespace
