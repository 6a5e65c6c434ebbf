// SPDX-License-Identifier: MIT
#pragma once

#include <QRawFont>
#include <QString>
#include <QVector>
#include <QWidget>

namespace zelvan {

// A one-line, read-only text box for a text that changes every second: the
// elapsed time. It looks like a frameless read-only line edit with centred
// text, but keeps the glyphs of the characters it has shown, so a new text is
// drawn without shaping it again or laying out an editor.
//
// Screen readers see static text named by the accessible name, whose value is
// the text; it never takes the focus, so its changes are not spoken.
class ReadoutBox final : public QWidget
{
    Q_OBJECT

public:
    explicit ReadoutBox(const QString &text, QWidget *parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString &text);

    // The font the text is drawn in: the widget's own, or a smaller size of it
    // where the widest time would not fit the box. The readout's size was
    // chosen for one face and those with its metrics; a wider face in their
    // place (DejaVu Sans, where none of them is installed) would lose half of
    // the first and last digits.
    const QFont &ShownFont() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct Glyph
    {
        char16_t character;
        quint32 index;
    };

    // False when the font has no glyph for some character of the text.
    bool LookUpGlyphs(QVector<quint32> &indexes, QVector<QPointF> &positions, qreal &width);

    QString m_text;
    // Worked out when first needed after a change of font or width (a hidden
    // widget gets no resize event).
    mutable QFont m_shownFont;
    mutable QFont m_fittedFrom;
    mutable int m_fittedWidth = -1;
    QFont m_rawFontOf;
    QRawFont m_rawFont;
    QVector<Glyph> m_glyphs; // the characters met so far
};

} // namespace zelvan
