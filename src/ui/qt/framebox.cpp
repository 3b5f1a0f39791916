#include "ui/qt/framebox.h"

#include <QPainter>
#include <QStyle>
#include <qdrawutil.h>

namespace ui::qt {

namespace {
// The caption starts this far in from the frame's left edge, with a blank either side of it
// where the border is broken.
constexpr int CaptionIndent = 6;
constexpr int CaptionGap = 2;
} // namespace

int FrameBox::borderTop() const
{
    return title().isEmpty() ? 0 : fontMetrics().height() / 2;
}

void FrameBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // An etched border, drawn here rather than by the style, whose group-box frame would again
    // leave room for the caption above it.
    qDrawShadeRect(&painter, rect().adjusted(0, borderTop(), 0, 0), palette(), true, 1, 0);
    if (title().isEmpty())
        return;
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic | Qt::TextSingleLine;
    QRect caption = fontMetrics().boundingRect(QRect(0, 0, width(), height()), flags, title());
    caption.moveTo(CaptionIndent + CaptionGap, 0);
    painter.fillRect(caption.adjusted(-CaptionGap, 0, CaptionGap, 0), palette().window());
    style()->drawItemText(&painter, caption, flags, palette(), isEnabled(), title(),
                          QPalette::WindowText);
}

} // namespace ui::qt
