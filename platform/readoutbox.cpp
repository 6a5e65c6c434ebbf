// SPDX-License-Identifier: MIT
#include "readoutbox.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QPainter>

namespace zelvan {

namespace {

// Where a line edit without a frame puts its text: 2 pixels in from the sides,
// the line centred in the height.
constexpr int SideMargin = 2;

class AccessibleReadout final : public QAccessibleWidget
{
public:
    explicit AccessibleReadout(ReadoutBox *box) : QAccessibleWidget(box, QAccessible::StaticText) {}

    QString text(QAccessible::Text which) const override
    {
        if (which == QAccessible::Value)
            return static_cast<const ReadoutBox *>(object())->text();
        return QAccessibleWidget::text(which);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }
};

QAccessibleInterface *AccessibleReadoutFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("zelvan::ReadoutBox") && object && object->isWidgetType())
        return new AccessibleReadout(static_cast<ReadoutBox *>(object));
    return nullptr;
}

} // namespace

ReadoutBox::ReadoutBox(const QString &text, QWidget *parent) : QWidget(parent), m_text(text)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(AccessibleReadoutFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void ReadoutBox::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    update();
}

void ReadoutBox::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange) {
        m_rawFont = QRawFont();
        m_glyphs.clear();
    }
    QWidget::changeEvent(event);
}

bool ReadoutBox::LookUpGlyphs(QVector<quint32> &indexes, QVector<QPointF> &positions, qreal &width)
{
    if (!m_rawFont.isValid())
        m_rawFont = QRawFont::fromFont(font());
    width = 0;
    for (const QChar c : std::as_const(m_text)) {
        auto known = std::find_if(m_glyphs.cbegin(), m_glyphs.cend(),
                                  [c](const Glyph &g) { return g.character == c.unicode(); });
        if (known == m_glyphs.cend()) {
            const QVector<quint32> index = m_rawFont.glyphIndexesForString(QString(c));
            if (index.size() != 1 || index[0] == 0)
                return false;
            const QVector<QPointF> advance = m_rawFont.advancesForGlyphIndexes(index);
            m_glyphs.append({c.unicode(), index[0], advance[0].x()});
            known = m_glyphs.cend() - 1;
        }
        indexes.append(known->index);
        positions.append(QPointF(width, 0));
        width += known->advance;
    }
    return true;
}

void ReadoutBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    painter.setPen(palette().color(QPalette::Text));

    const QFontMetrics metrics = fontMetrics();
    const int baseline = (height() - metrics.height() + 1) / 2 + metrics.ascent();
    QVector<quint32> indexes;
    QVector<QPointF> positions;
    qreal width = 0;
    if (!LookUpGlyphs(indexes, positions, width)) {
        // A character the font lacks: let Qt find a font that has it.
        painter.drawText(rect().adjusted(SideMargin, 0, -SideMargin, 0), Qt::AlignCenter, m_text);
        return;
    }
    const int lineWidth = this->width() - 2 * SideMargin;
    const int left = SideMargin + (lineWidth - (qRound(width) + 1)) / 2;
    QGlyphRun run;
    run.setRawFont(m_rawFont);
    run.setGlyphIndexes(indexes);
    run.setPositions(positions);
    painter.drawGlyphRun(QPointF(left, baseline), run);
}

} // namespace zelvan
