#pragma once

#include "controls/fieldbuttonedit.h"
#include "outside/core/corestring.h"
#include "outside/cssvalues/colorref.h"
#include "uieditor_export.h"


/// The colour field of the formatting dialogs: an edit whose text is the
/// colour (a CSS colour such as "rgb(255,0,0)" or "navy"), a swatch on its left
/// and a drop-down button on its right that opens the colour dialog. A click
/// on the button (or F4, Alt+Down in the field) opens it with the swatch's
/// colour preselected; OK writes the chosen colour as "rgb(r,g,b)".
///
/// The swatch follows the text: an empty text is no colour (white swatch); a
/// colour keyword in lower case or an rgb(r, g, b) text sets the swatch; the
/// text "Gradient" marks a gradient and keeps the last colour; anything else
/// (Red, #ff0000, cmyk(...)) leaves the swatch as it was, although getColor
/// reads every CSS notation. Dialogs hear of changes through textChanged,
/// which fires for typing, the colour dialog and setColor alike.
class UIEDITOR_EXPORT ColorCtrl : public FieldButtonEdit
{
    Q_OBJECT

public:
    explicit ColorCtrl(QWidget* parent = nullptr);
    ~ColorCtrl() override;

    /// For dialogs that build the field at run time: places it in `parent`
    /// over `rect`, empty, visible, with control number 0. Answers success.
    bool Create(const QRect& rect, QWidget* parent);

    /// Writes `color` as "rgb(r,g,b)".
    void setColor(COLORREF color);
    /// Writes a colour the swatch knows (a keyword, an rgb() text) as
    /// "rgb(r,g,b)"; any other text is written as given, so that "" clears the
    /// field, "Gradient" marks a gradient and "#ff0000" stays readable by
    /// getColor.
    void setColor(const Core::String& text);
    /// The text read as a CSS colour of any notation (rgb, rgb-icc,
    /// spot-color, cmyk, #hex, names in any case); 0 (black) when it is none.
    COLORREF getColor() const;

    bool isGradient() const { return m_gradient; }
    /// Marks the field as a gradient with `definition`; the text is not
    /// touched (the caller also writes "Gradient").
    void setGradient(const Core::String& definition);
    Core::String getGradient() const { return m_gradientDefinition; }
    /// Leaves gradient mode and forgets the definition; the text is not touched.
    /// Dialogs call it when the value shown is no gradient, since texts the
    /// swatch does not know ("#ff0000") leave the mode as it was.
    void clearGradient();

    /// The forms the swatch knows: the 147 CSS colour keywords, matched
    /// exactly (lower case), and text that "rgb( %d , %d , %d )" or failing
    /// that "%d ; %d ; %d )" reads three integers from, each keeping its low
    /// 8 bits. False, and `color` untouched, for anything else.
    static bool ToRGBColor(const Core::String& text, COLORREF& color);

    /// No colour is chosen: the swatch is white.
    bool isColorEmpty() const { return m_empty; }
    /// The colour the swatch shows when not empty.
    COLORREF swatchColor() const { return m_color; }

    /// Where the swatch, the area around it and the button are drawn.
    QRect swatchAreaRect() const;
    QRect swatchRect() const;
    QRect dropDownButtonRect() const;

    /// Opens the colour dialog; OK sets the colour and the text.
    void onTrackColorPopup();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    void paintFieldButton(QPainter& painter, const QRect& rect) override;
    bool isButtonArea(const QPoint& pos) const override;
    void buttonAreaPressed(const QPoint& pos) override;
    void openKeyPressed() override;

private:
    void followText(const QString& text);
    int frameWidth() const;

    bool m_empty = true;
    COLORREF m_color = 0;
    bool m_gradient = false;
    Core::String m_gradientDefinition;
};
