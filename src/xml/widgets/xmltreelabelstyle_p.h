#pragma once

#include <QProxyStyle>

/// The XML tree's style: the selection marks the label only, as the delegate
/// draws it, not the indentation and the expand button before it.
class XmlTreeLabelStyle : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;
};
