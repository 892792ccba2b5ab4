#include "xml/model/syntaxnames.h"

#include <QCoreApplication>

QString SyntaxNames::translated(const Core::String& text)
{
    // The context syntaxnametexts.cpp collects the texts under.
    return QCoreApplication::translate("SyntaxNames", text.toQString().toUtf8().constData());
}
