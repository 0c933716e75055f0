#pragma once

#include "ui/controls/CControlDispatcher.h"
#include "ui/controls/IControlHost.h"
#include "ui/controls/UiTimings.h"
#include "ui/draw/CDrawSurface.h"

#include <QDialog>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <vector>

class CCustomCtrlBase;
class CDataManager;
class CUiEvent;

// The owner-drawn dialog every dialog of the program derives from. It owns a
// canvas (the back buffer of the whole client area) and a background picture;
// its drawn controls are not owned and get their mouse input through the
// control dispatcher. Redraw composes background, the dialog's own content and
// the controls onto the canvas, then shows it.
//
// The frame finds open dialogs through qobject_cast<CDialogBase*> over the
// top-level widgets when it is asked to close (0x800F, then a queued reject()).
//
// The keyboard reaches the drawn controls through the dispatcher while none
// of the dialog's own Qt widgets (if it has any) holds the focus; Tab leads
// from those widgets to the drawn controls and back.
//
// A layered dialog (the splash) is a frameless translucent top-level window
// drawing the canvas's per-pixel alpha; its shape also follows that alpha, so
// a desktop without compositing shows no black corners.
class CDialogBase : public QDialog, public IControlHost {
    Q_OBJECT

public:
    CDialogBase(CDataManager* dataManager, QWidget* parent,
                const CUiTimings& timings = CUiTimings::Defaults());
    ~CDialogBase() override;

    // IControlHost
    QObject* HostObject() override { return this; }
    CDataManager* HostDataManager() override { return m_dataManager; }
    CControlDispatcher* HostDispatcher() override { return &m_dispatcher; }

    // Controls in drawing and hit-test order; the dialog does not own them.
    void AddControl(CCustomCtrlBase* control) { m_dispatcher.AddControl(control); }
    const std::vector<CCustomCtrlBase*>& Controls() const { return m_dispatcher.Controls(); }
    CCustomCtrlBase* CaptureControl() const { return m_dispatcher.CaptureControl(); }
    // Mouse input and the keyboard focus over the drawn controls.
    CControlDispatcher& Dispatcher() { return m_dispatcher; }

    // Loads the background picture and makes the canvas its size. A missing
    // picture leaves the background empty and the canvas the dialog's size,
    // so the dialog still works (blank). False when the picture was missing.
    bool LoadBackground(int pictureId);
    // Background → DrawContent → each control Update and Draw → show, then
    // the redraw observer learns of it.
    void Redraw();
    // Told after every redraw of any dialog, so assistive technology hears
    // what changed (a new day, the next advice); null: nobody.
    static void SetRedrawObserver(std::function<void(QWidget*)> observer);

    // Whether the dialog may end now; the progress dialogs refuse while their
    // job or their minimum display time runs.
    virtual bool MayClose() const { return true; }
    // The texts the dialog shows besides its drawn controls, in reading
    // order, for assistive technology, which reads the controls on its own:
    // by default the words its background picture carries (a progress
    // message, a connect error and its remedy, a one-point advice).
    virtual QStringList ShownTexts() const;

    bool IsLayered() const { return m_layered; }
    const CDrawSurface& Canvas() const { return m_canvas; }
    const CDrawSurface& Background() const { return m_background; }
    const CUiTimings& Timings() const { return m_timings; }
    // How many times Redraw ran (tests, and a cheap sign that timers tick).
    int RedrawCount() const { return m_redrawCount; }

protected:
    // The dialog's own drawing between background and controls.
    virtual void DrawContent(CDrawSurface& canvas);
    // The private messages (CUiEvent). The base handles capture (0x8002,
    // 0x8003), redraw (0x800C), brings the dialog forward on a pressed
    // button (0x8005) and offers 0x8009 to the controls. True when the
    // message was handled.
    virtual bool OnUiEvent(const CUiEvent& event);

    // Frameless translucent tool window drawn with per-pixel alpha. Call in
    // the constructor.
    void SetLayered(bool layered);
    // False: Enter does nothing instead of ending the dialog as OK, so only
    // the close box (or Escape) ends it. Call in the constructor.
    void SetEnterEndsDialog(bool ends) { m_enterEndsDialog = ends; }
    CDrawSurface& EditCanvas() { return m_canvas; }

    bool event(QEvent* event) override;
    // Past the last (first) of the dialog's own Qt widgets Tab goes on to the
    // drawn controls.
    bool focusNextPrevChild(bool next) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The window shape of a layered dialog: every pixel with some alpha.
    void ApplyAlphaShape();
    // The dialog's Qt widgets Tab visits, in their focus chain's order.
    std::vector<QWidget*> TabWidgets() const;
    // Whether the keys go to the drawn controls (no Qt widget has the focus).
    bool DrawnControlsHaveKeys() const;

    CDataManager* m_dataManager;
    CUiTimings m_timings;
    CDrawSurface m_canvas;
    CDrawSurface m_background;
    int m_backgroundId = -1;
    CControlDispatcher m_dispatcher;
    bool m_layered = false;
    bool m_enterEndsDialog = true;
    int m_redrawCount = 0;
};
