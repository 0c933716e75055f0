#pragma once

#include <QColor>
#include <QListWidget>

// The owner-drawn list of the popup list (CDialogPopup): one centred line per
// item, the selected one white on blue, the others black on pale blue. The
// pointer moving over it selects the item under it (hot tracking) without
// choosing it; a click or Enter chooses the selected item, even when it was
// selected already, and emits Chosen.
class CListBoxPopup : public QListWidget {
    Q_OBJECT

public:
    static const QColor kSelectedText;
    static const QColor kSelectedBack;
    static const QColor kNormalText;
    static const QColor kNormalBack;

    explicit CListBoxPopup(QWidget* parent = nullptr);

    // The height of one item, as a menu line.
    static int ItemHeight();
    // Adds one line with its item data.
    void AddItem(const QString& text, int value);
    // The item data of `row`, or -1 without such a row.
    int ValueAt(int row) const;
    // The first row in view.
    int TopRow() const;
    void SetTopRow(int row);
    // Whether the pointer is being tracked inside the list.
    bool IsTracking() const { return m_tracking; }

signals:
    void Chosen();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool m_tracking = false;
};
