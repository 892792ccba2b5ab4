#include "controls/textpanel.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

QColor toQColor(COLORREF color)
{
    return QColor(GetRValue(color), GetGValue(color), GetBValue(color));
}

QString oneLine(const QString& text)
{
    QString line = text;
    line.replace(QLatin1String("\r\n"), QLatin1String(" "));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return line;
}

} // namespace

TextPanel::TextPanel(QWidget* parent) : QWidget(parent)
{
    // The panel paints every pixel itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TextPanel::~TextPanel() = default;

void TextPanel::setText(const Core::String& text)
{
    if (m_text == text) {
        return;
    }
    m_text = text;
    updateGeometry();
    update();
}

void TextPanel::setForeColor(COLORREF color)
{
    m_foreColor = color;
    update();
}

void TextPanel::setBkColor(COLORREF color)
{
    m_bkColor = color;
    update();
}

void TextPanel::setFont(const wchar_t* faceName, int pointSize)
{
    const QFont former = this->font();
    QFont font(faceName ? QString::fromWCharArray(faceName) : QString());
    if (pointSize > 0) {
        font.setPointSize(pointSize);
    } else if (former.pointSizeF() > 0) {
        font.setPointSizeF(former.pointSizeF());
    } else {
        font.setPixelSize(former.pixelSize());
    }
    QWidget::setFont(font);
    update();
}

QSize TextPanel::sizeHint() const
{
    const QFontMetrics metrics(font());
    return QSize(metrics.horizontalAdvance(oneLine(m_text)) + 2 * metrics.averageCharWidth(),
                 metrics.height() + metrics.height() / 2);
}

QSize TextPanel::minimumSizeHint() const
{
    return QSize(0, QFontMetrics(font()).height());
}

void TextPanel::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(m_bkColor));
    painter.setPen(toQColor(m_foreColor));
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, oneLine(m_text));
}
