// The secondary window's layer panel: six tabs of sixteen layers with their (read-only) names and
// visible boxes, the kind filters, "全表", "全消" and "閉じる". It changes the window's layer table
// directly; the canvas follows when the panel closes.
#pragma once

#include "document/Drawing.h"

#include <QFrame>

#include <array>
#include <functional>

class QCheckBox;
class QLabel;
class QTabBar;

namespace vantro {

struct SubLayerPanelCallbacks {
    std::function<void(int layer)> PreviewLayer;  // the mouse came over a row of another layer
    std::function<void()> Closed;
};

class SubLayerPanel final : public QFrame {
public:
    SubLayerPanel(LayerTable& layers, SubLayerPanelCallbacks callbacks, QWidget* parent);

    // Rows, boxes and filters from the table (after a file was read or the drawing reset).
    void Refresh();
    void SetTab(int tab);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    int RowLayer(int row) const;
    void SetAllVisible(bool visible);

    LayerTable& layers_;
    SubLayerPanelCallbacks callbacks_;
    QTabBar* tabs_ = nullptr;
    std::array<QLabel*, 16> numbers_{};
    std::array<QLabel*, 16> names_{};
    std::array<QCheckBox*, 16> visible_{};
    std::array<QCheckBox*, 6> filters_{};
    int previewed_ = 0;
};

}  // namespace vantro
