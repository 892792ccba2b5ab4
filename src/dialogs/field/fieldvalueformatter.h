#pragma once

#include "uieditor_export.h"

#include <QLocale>
#include <QString>

/// A field's value as it prints with the field's format: numbers and
/// currencies through NumberFormatter, dates through DateTimePattern, phone
/// numbers and custom formats by putting the value's characters (a phone
/// number's digits) in place of each "#". Characters left over follow the
/// pattern's text, so none is lost. A value the format cannot read (a date
/// format on a text) prints unchanged, as does every value without format.
class UIEDITOR_EXPORT FieldValueFormatter
{
public:
    static QString format(const QString& fieldFormat, const QString& value, const QLocale& locale = QLocale());
    /// The characters of `value` in place of each "#" of `pattern`; the
    /// pattern stops at the first "#" no character is left for.
    static QString fillPlaces(const QString& pattern, const QString& value);
};
