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

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    struct Glyph
    {
        char16_t character;
        quint32 index;
    };

    // False when the font has no glyph for some character of the text.
    bool LookUpGlyphs(QVector<quint32> &indexes, QVector<QPointF> &positions, qreal &width);

    QString m_text;
    QRawFont m_rawFont;
    QVector<Glyph> m_glyphs; // the characters met so far
};

} // namespace zelvan
