// SPDX-License-Identifier: MIT
#include "platform/qt/readoutbox.h"

#include "platform/qt/accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QPainter>
#include <algorithm>

namespace zelvan {

namespace {

// Where a line edit without a frame puts its text: 2 pixels in from the sides,
// the line centred in the height.
constexpr int SideMargin = 2;

int TextLeft(int boxWidth, qreal textWidth)
{
    const int lineWidth = boxWidth - 2 * SideMargin;
    return SideMargin + (lineWidth - (qRound(textWidth) + 1)) / 2;
}

int LineTop(int boxHeight, const QFontMetrics &metrics)
{
    return (boxHeight - metrics.height() + 1) / 2;
}

// Static text whose text, through the text interface as a line edit's was,
// is the readout's: what screen readers read when asked.
class AccessibleReadout final : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit AccessibleReadout(ReadoutBox *box) : QAccessibleWidget(box, QAccessible::StaticText) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text which) const override
    {
        if (which == QAccessible::Value)
            return Box().text();
        return QAccessibleWidget::text(which);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }

    // Read-only, without a cursor or a selection.
    QString text(int startOffset, int endOffset) const override
    {
        return Box().text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(Box().text().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    int selectionCount() const override { return 0; }
    void selection(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
    }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return {};
    }

    // The characters' places as a line edit with the same text has them.
    QRect characterRect(int offset) const override
    {
        const QString text = Box().text();
        if (offset < 0 || offset >= text.size())
            return {};
        const QFontMetrics metrics = QFontMetrics(Box().ShownFont(), &Box());
        const int left = TextLeft(Box().width(), metrics.horizontalAdvance(text)) +
                         metrics.horizontalAdvance(text.left(offset));
        const QRect local(left, LineTop(Box().height(), metrics),
                          metrics.horizontalAdvance(text.at(offset)), metrics.height());
        return QRect(Box().mapToGlobal(local.topLeft()), local.size());
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        const QString text = Box().text();
        const QFontMetrics metrics = QFontMetrics(Box().ShownFont(), &Box());
        const int x = Box().mapFromGlobal(point).x() -
                      TextLeft(Box().width(), metrics.horizontalAdvance(text));
        for (int i = 0; i < text.size(); ++i)
            if (x < metrics.horizontalAdvance(text.left(i + 1)))
                return x < 0 ? -1 : i;
        return -1;
    }

private:
    const ReadoutBox &Box() const { return *static_cast<const ReadoutBox *>(object()); }
};

} // namespace

ReadoutBox::ReadoutBox(const QString &text, QWidget *parent) : QWidget(parent), m_text(text)
{
    InstallAccessibleInterface<ReadoutBox, AccessibleReadout>();
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

const QFont &ReadoutBox::ShownFont() const
{
    if (m_fittedWidth == width() && m_fittedFrom == font())
        return m_shownFont;
    m_fittedWidth = width();
    m_fittedFrom = font();
    QFont fitted = font();
    // The room a line edit leaves its text, less the pixel TextLeft keeps.
    const qreal room = width() - 2 * SideMargin - 1;
    // A few steps at most: hinted sizes are not quite proportional.
    for (int step = 0; step < 20 && room > 0; ++step) {
        const QFontMetricsF metrics(fitted, this);
        qreal digit = 0;
        for (char c = '0'; c <= '9'; ++c)
            digit = std::max(digit, metrics.horizontalAdvance(QChar(c)));
        // The widest time the readout can show, kerning aside (it only narrows).
        const qreal widest = 6 * digit + 2 * metrics.horizontalAdvance(QChar(':'));
        if (widest <= room)
            break;
        const qreal scale = std::min(room / widest, 0.99);
        if (fitted.pointSizeF() > 0)
            fitted.setPointSizeF(fitted.pointSizeF() * scale);
        else
            fitted.setPixelSize(std::max(1, static_cast<int>(fitted.pixelSize() * scale)));
    }
    m_shownFont = fitted;
    return m_shownFont;
}

bool ReadoutBox::LookUpGlyphs(QVector<quint32> &indexes, QVector<QPointF> &positions, qreal &width)
{
    // A new font, or a new size of it for a new width: new glyphs.
    if (!m_rawFont.isValid() || m_rawFontOf != ShownFont()) {
        m_rawFontOf = ShownFont();
        m_rawFont = QRawFont::fromFont(m_rawFontOf);
        m_glyphs.clear();
    }
    for (const QChar c : std::as_const(m_text)) {
        auto known = std::find_if(m_glyphs.cbegin(), m_glyphs.cend(),
                                  [c](const Glyph &g) { return g.character == c.unicode(); });
        if (known == m_glyphs.cend()) {
            const QVector<quint32> index = m_rawFont.glyphIndexesForString(QString(c));
            if (index.size() != 1 || index[0] == 0)
                return false;
            m_glyphs.append({c.unicode(), index[0]});
            known = m_glyphs.cend() - 1;
        }
        indexes.append(known->index);
    }
    // Kerned as a text layout would set them: the font narrows some pairs, "11" among them.
    const QVector<QPointF> advances =
        m_rawFont.advancesForGlyphIndexes(indexes, QRawFont::KernedAdvances);
    width = 0;
    for (const QPointF &advance : advances) {
        positions.append(QPointF(width, 0));
        width += advance.x();
    }
    return true;
}

void ReadoutBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    painter.setPen(palette().color(QPalette::Text));

    painter.setFont(ShownFont());
    const QFontMetrics metrics(ShownFont(), this);
    const int baseline = LineTop(height(), metrics) + metrics.ascent();
    QVector<quint32> indexes;
    QVector<QPointF> positions;
    qreal width = 0;
    const bool kept = LookUpGlyphs(indexes, positions, width);
    if (!kept)
        width = metrics.horizontalAdvance(m_text);
    const QPointF origin(TextLeft(this->width(), width), baseline);
    if (!kept) {
        // A character the font lacks: Qt shapes the text and finds a font that has it.
        painter.drawText(origin, m_text);
        return;
    }
    QGlyphRun run;
    run.setRawFont(m_rawFont);
    run.setGlyphIndexes(indexes);
    run.setPositions(positions);
    painter.drawGlyphRun(origin, run);
}

} // namespace zelvan
