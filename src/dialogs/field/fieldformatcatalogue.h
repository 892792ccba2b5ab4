#pragma once

#include "uieditor_export.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <vector>

/// The formats and choices the Format Field dialog offers, in list order.
class UIEDITOR_EXPORT FieldFormatCatalogue
{
    Q_DECLARE_TR_FUNCTIONS(FieldFormatCatalogue)

public:
    struct NumberRow
    {
        QString digits;
        QString example;
        QString thousands;
        QString decimal;
    };
    struct PatternRow
    {
        QString pattern;
        QString example;
    };
    /// A separator or sign as written in a format, and as the list shows it.
    struct Choice
    {
        QString value;
        QString text;
    };

    static std::vector<NumberRow> numberRows(bool currency);
    static std::vector<PatternRow> dateRows();
    static std::vector<PatternRow> phoneRows();
    /// "€ Euro", "$ Dollar", ...: the symbol is the text before the first blank.
    static QStringList currencies();
    /// The symbols of currencies(), in the same order, whatever the language.
    static QStringList currencySymbols();
    static QString symbolOf(const QString& currency);
    static std::vector<Choice> decimalSeparators();
    /// The first is none ("").
    static std::vector<Choice> thousandsSeparators();
    /// The first is the leading minus ("").
    static std::vector<Choice> signs();
};
