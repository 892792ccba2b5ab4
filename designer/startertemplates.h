#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

/// The templates File > New starts from, bundled with the designer.
class StarterTemplates
{
public:
    struct Starter
    {
        QString name;
        QString description;
        QString resource; ///< the template's markup among the designer's resources
        bool withSample;  ///< bound to the bundled sample invoice
    };

    /// Blank A4, blank Letter and the invoice, with translated names.
    static QList<Starter> all();
    /// The markup of a new untitled template made from `starter`; a bound
    /// sample is installed for the user and named by its full path, since an
    /// untitled template has no folder to start a relative one from.
    static QByteArray markup(const Starter& starter);
};
