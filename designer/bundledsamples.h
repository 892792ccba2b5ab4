#pragma once

#include <QString>

/// The sample invoice that ships with the designer: a template and its data,
/// with a schema and a data aggregation file of the same invoice to load as
/// sample data instead.
class BundledSamples
{
public:
    /// Copies the samples into `folder` where they are missing (the user's
    /// edits of an earlier copy are kept) and answers the template's path;
    /// empty when the folder cannot be written.
    static QString install(const QString& folder);
    /// Where the designer keeps them for the user.
    static QString defaultFolder();
};
