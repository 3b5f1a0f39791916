#pragma once

#include <QGroupBox>

namespace ui::qt {

// A frame as the windows are laid out for: its border starts at the top of its rectangle (half
// the caption's height down) and the caption stands on the border, so the controls placed in it
// at their twips stand inside the border. Qt's styles put the caption above the border instead,
// which pushes the border down through the first control ("&F-Skatt" in the "Skatt" frame).
class FrameBox : public QGroupBox {
public:
    explicit FrameBox(QWidget* parent) : QGroupBox(parent) {}

    // Where the top of the border runs, in the frame's own pixels.
    int borderTop() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace ui::qt
