#include "outside/types/objectid.h"

#include <QUuid>

Core::String ObjectId::generate()
{
    // A UUID may begin with a digit; the letters in front keep the id an XML name.
    return QStringLiteral("id") + QString::fromLatin1(QUuid::createUuid().toRfc4122().toHex());
}
