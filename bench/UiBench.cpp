// Drawing speed of the main window: one full composition of the canvas from
// ready control surfaces (what every repaint does), and decoding every
// picture of the calendar page (what opening it the first time costs).
#include "bench/GuiBenchMain.h"
#include "ui/controls/CCustomCtrlButton.h"
#include "ui/controls/CCustomCtrlButtonDevice.h"
#include "ui/controls/CCustomCtrlStatic.h"
#include "ui/controls/IControlHost.h"
#include "ui/draw/CDrawSurface.h"
#include "ui/draw/CPictureStore.h"

#include <QApplication>
#include <QObject>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Picture {
    int id, width, height;
};

// The calendar page: background, month and year stepping and fields, bill
// box and target field, the bottom buttons and the target levels.
constexpr Picture kCalendarPage[] = {
    {283, 796, 490}, {200, 116, 29}, {202, 116, 29}, {204, 346, 29}, {205, 242, 29}, {214, 396, 29},
    {216, 117, 376}, {241, 252, 29}, {242, 495, 29}, {243, 252, 29}, {288, 336, 29}, {289, 82, 20},
    {290, 82, 20},   {291, 82, 20},  {292, 82, 20},  {293, 82, 20},
};
// What the composition benchmark draws besides them: the left pane, device
// button faces, list icons, the connection mark and menu strips.
constexpr Picture kWindowExtras[] = {
    {280, 198, 490}, {181, 1043, 49}, {182, 1043, 49}, {183, 1043, 49}, {184, 1043, 49},
    {185, 1043, 49}, {186, 1043, 49}, {187, 1043, 49}, {188, 1043, 49}, {192, 52, 14},
    {193, 52, 14},   {194, 52, 14},   {195, 52, 14},   {196, 52, 14},   {197, 52, 14},
    {198, 52, 14},   {199, 84, 18},   {240, 48, 24},
};

int MissingArt(const Picture* pictures, size_t count) {
    int missing = 0;
    for (size_t i = 0; i < count; ++i) {
        missing += CPictureStore::Exists(pictures[i].id) ? 0 : 1;
    }
    return missing;
}

// A stand-in for a picture the art does not hold yet: opaque with a magenta
// border so the key pass has work.
QImage StandIn(const Picture& picture) {
    QImage image(picture.width, picture.height, QImage::Format_ARGB32);
    image.fill(QColor(120, 160, 200));
    QPainter painter(&image);
    painter.setPen(QColor(255, 0, 255));
    painter.drawRect(0, 0, image.width() - 1, image.height() - 1);
    return image;
}

std::vector<std::pair<int, QImage>> StandInsFor(const Picture* pictures, size_t count) {
    std::vector<std::pair<int, QImage>> standIns;
    for (size_t i = 0; i < count; ++i) {
        if (!CPictureStore::Exists(pictures[i].id)) {
            standIns.emplace_back(pictures[i].id, StandIn(pictures[i]));
        }
    }
    return standIns;
}

void InsertStandIns(const Picture* pictures, size_t count) {
    for (const auto& [id, image] : StandInsFor(pictures, count)) {
        CPictureStore::InsertForTest(id, image);
    }
}

class BenchHost : public IControlHost {
public:
    QObject* HostObject() override { return &m_object; }
    CDataManager* HostDataManager() override { return nullptr; }

private:
    QObject m_object;
};

void BM_ComposeWindow(benchmark::State& state) {
    CPictureStore::Clear();
    const int missing = MissingArt(kCalendarPage, std::size(kCalendarPage)) +
                        MissingArt(kWindowExtras, std::size(kWindowExtras));
    InsertStandIns(kCalendarPage, std::size(kCalendarPage));
    InsertStandIns(kWindowExtras, std::size(kWindowExtras));
    state.SetLabel(std::to_string(missing) + " of " +
                   std::to_string(std::size(kCalendarPage) + std::size(kWindowExtras)) +
                   " pictures stand-ins");

    BenchHost host;
    CDrawSurface canvas;
    canvas.CreateSurface(1020, 578);
    CDrawSurface season, leftPane, mainPage;
    season.CreateSurface(1020, 578);
    season.Fill(QColor(250, 248, 240));
    leftPane.LoadSurface(280);
    mainPage.LoadSurface(283);

    // Seven device buttons and the all button on the left, twenty strip
    // buttons with captions and twelve labels on the page.
    std::vector<std::unique_ptr<CCustomCtrlBase>> controls;
    for (int i = 0; i < 8; ++i) {
        auto device = std::make_unique<CCustomCtrlButtonDevice>(nullptr, i == 0 ? 10 : 10 + i);
        device->SetCaption(QString::fromUtf8("RAS-X%1DHG-W").arg(2240 + i));
        device->SetSecondText(QString::fromUtf8("リビング%1").arg(i));
        device->SetConnected(i % 2 == 1);
        device->CreateButtonDevice(&host, &canvas, 27, 90 + 52 * i, i == 0 ? 188 : 180 + i,
                                   CHitRect{0, 0, 149, 49});
        controls.push_back(std::move(device));
    }
    const int strips[] = {200, 202, 241, 242, 243, 288};
    for (int i = 0; i < 20; ++i) {
        auto button = std::make_unique<CCustomCtrlButton>(nullptr, 100 + i);
        button->SetCaption(QString::number(i + 1));
        button->CreateButton(10, 29, 84, &host, &canvas, 230 + 90 * (i % 8), 120 + 40 * (i / 8),
                             strips[i % 6], CHitRect{0, 0, 84, 29});
        controls.push_back(std::move(button));
    }
    for (int i = 0; i < 12; ++i) {
        auto label = std::make_unique<CCustomCtrlStatic>();
        label->SetFontSize(10 + i % 4);
        label->SetAlign(i % 3);
        label->SetText(QString::fromUtf8("%1,234円").arg(i + 1));
        label->CreateStatic(&host, 240 + 110 * (i % 6), 300 + 30 * (i / 6), &canvas, 100, 20);
        controls.push_back(std::move(label));
    }
    for (auto _ : state) {
        canvas.CopySurface(season, 0, 0);
        canvas.DrawSurface(leftPane, 3, 58);
        canvas.DrawSurface(mainPage, 206, 59);
        for (const auto& control : controls) {
            control->Draw();
        }
        benchmark::DoNotOptimize(canvas.Image().constBits());
    }
    state.counters["controls"] = static_cast<double>(controls.size());
    CPictureStore::Clear();
}
BENCHMARK(BM_ComposeWindow)->Unit(benchmark::kMillisecond);

// The select-device page: background, the eight device button faces, their
// list icons and both connection marks.
constexpr Picture kSelectDevicePage[] = {
    {280, 198, 490}, {181, 1043, 49}, {182, 1043, 49}, {183, 1043, 49}, {184, 1043, 49},
    {185, 1043, 49}, {186, 1043, 49}, {187, 1043, 49}, {188, 1043, 49}, {192, 52, 14},
    {193, 52, 14},   {194, 52, 14},   {195, 52, 14},   {196, 52, 14},   {197, 52, 14},
    {198, 52, 14},   {199, 84, 18},   {240, 48, 24},   {426, 48, 24},
};

// Every picture of a page into a surface, from nothing decoded. Pictures the
// art does not hold yet are stand-ins that only pass the key conversion.
template <const Picture* Page, size_t Count>
void BM_LoadPagePictures(benchmark::State& state) {
    CPictureStore::Clear();
    const int missing = MissingArt(Page, Count);
    state.SetLabel(std::to_string(static_cast<int>(Count) - missing) + " PNG decoded, " +
                   std::to_string(missing) + " stand-ins");
    const auto standIns = StandInsFor(Page, Count);
    for (auto _ : state) {
        CPictureStore::Clear();
        for (const auto& [id, image] : standIns) {
            CPictureStore::InsertForTest(id, image);
        }
        CDrawSurface surfaces[Count];
        for (size_t i = 0; i < Count; ++i) {
            surfaces[i].LoadSurface(Page[i].id);
        }
        benchmark::DoNotOptimize(surfaces[0].Image().constBits());
    }
    state.counters["pictures"] = static_cast<double>(Count);
    CPictureStore::Clear();
}
BENCHMARK_TEMPLATE(BM_LoadPagePictures, kCalendarPage, std::size(kCalendarPage))
    ->Name("BM_LoadPagePictures/calendar")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_LoadPagePictures, kSelectDevicePage, std::size(kSelectDevicePage))
    ->Name("BM_LoadPagePictures/select_device")
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return RunGuiBenchmarks<QApplication>(argc, argv);
}
