#pragma once

#include "data/DataManagerFixture.h"
#include "ui/RecordingHost.h"
#include "ui/controls/CCustomCtrlBase.h"
#include "ui/controls/UiMessages.h"
#include "ui/draw/CDrawSurface.h"
#include "ui/draw/CPictureStore.h"

#include <QColor>
#include <QImage>

#include <algorithm>
#include <memory>
#include <vector>

// A data manager on a seeded temporary database with today fixed at
// 14 March 2015 (viewing March 2015), a recording host window that lends it,
// and the main window's canvas. Pictures inserted by a test are dropped
// afterwards, so no case depends on the drawn art or on another case.
class PagesFixture : public DataManagerFixture {
protected:
    void SetUp() override {
        DataManagerFixture::SetUp();
        CPictureStore::Clear();
        bool changed = false;
        int32_t milliseconds = 0;
        m_manager->CheckDateChange(changed, milliseconds);
        m_host = std::make_unique<RecordingHost>(m_manager.get());
        m_canvas.CreateSurface(1020, 578);
    }
    void TearDown() override { CPictureStore::Clear(); }

    // One mouse message at a canvas point; the control's answer.
    static bool Mouse(CCustomCtrlBase& control, uint32_t message, int x, int y) {
        intptr_t result = 0;
        return control.OnMessage(message, 0, MakePointParam(x, y), result);
    }

    // Registers `count` units and shows them all from the first load on (the
    // first load picks list entry 0).
    void AddUnitsAndShowAll(int count) {
        for (int n = 1; n <= count; ++n) {
            AddUnit(n);
        }
        Reload();
        Select(CDataManager::kAllAircons);
    }

    // Whether `numbers` holds `message` (sent or posted).
    static bool Has(const std::vector<uint32_t>& numbers, uint32_t message) {
        return std::find(numbers.begin(), numbers.end(), message) != numbers.end();
    }

    // A picture of `width` × `height` whose every pixel tells where it lies,
    // with no key-colour pixel.
    static QImage PositionPicture(int width, int height) {
        QImage image(width, height, QImage::Format_ARGB32);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                image.setPixelColor(x, y,
                                    QColor(x % 251, y % 241, (x / 251 * 37 + y / 241 * 11) % 200));
            }
        }
        return image;
    }

    // A strip of `frames` frames, frame i filled with StripColour(i).
    static QImage StripPicture(int frameWidth, int height, int frames) {
        QImage image(frameWidth * frames, height, QImage::Format_ARGB32);
        for (int i = 0; i < frames; ++i) {
            for (int y = 0; y < height; ++y) {
                for (int x = 0; x < frameWidth; ++x) {
                    image.setPixelColor(i * frameWidth + x, y, StripColour(i));
                }
            }
        }
        return image;
    }
    static QColor StripColour(int frame) { return QColor(20 + frame * 30, 200 - frame * 20, 90); }

    std::unique_ptr<RecordingHost> m_host;
    CDrawSurface m_canvas;
};
