#pragma once

#include <QIcon>
#include <QList>

/// The XML tree's image list: eight 16 by 16 images, drawn rather than
/// loaded so that they stay sharp at any device pixel ratio. Numbers 1
/// (attribute), 2 (text), 3 (element), 6 (repeated element) and 7 (element
/// with a type reference) are used; the others fill their places.
class XmlTreeImages
{
public:
    static QList<QIcon> create();
};
