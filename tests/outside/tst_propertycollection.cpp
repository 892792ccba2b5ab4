// PropertyCollection: order, one property per name, and attribute text that a
// parser reads back to the same values.
#include "outside/types/propertycollection.h"
#include "testregistry.h"

#include <QTest>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace {

// Runs a script of edits. Each step is a letter and an argument:
// "a n=v" addProperty(replace), "A n=v" addProperty(keep older),
// "s n=v" setProperty(add missing), "S n=v" setProperty(change only), "r n" remove.
PropertyCollection run(const QStringList& script)
{
    PropertyCollection properties;
    for (const QString& step : script) {
        const QChar op = step.at(0);
        const QString argument = step.mid(2);
        const qsizetype equals = argument.indexOf(u'=');
        const EditableProperty property(argument.left(equals), argument.mid(equals + 1));
        if (op == u'a') {
            properties.addProperty(property, true);
        } else if (op == u'A') {
            properties.addProperty(property, false);
        } else if (op == u's') {
            properties.setProperty(property, true);
        } else if (op == u'S') {
            properties.setProperty(property, false);
        } else if (op == u'r') {
            properties.removePropertyByName(argument);
        }
    }
    return properties;
}

QStringList contents(const PropertyCollection& properties)
{
    QStringList list;
    for (const SmartPtr<EditableProperty>& property : properties.getPropertyList()) {
        list << property->getName().toQString() + u'=' + property->getValue().toQString();
    }
    return list;
}

// The attributes of `<e .../>` built around `attributes`, or an error text.
QList<QPair<QString, QString>> readBack(const QString& attributes, QString* error)
{
    const QString document =
        QStringLiteral("<e xmlns:fo='urn:fo' xmlns:km='urn:km' %1/>").arg(attributes);
    QXmlStreamReader reader(document);
    QList<QPair<QString, QString>> result;
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement) {
            for (const QXmlStreamAttribute& attribute : reader.attributes()) {
                result << qMakePair(attribute.qualifiedName().toString(),
                                    attribute.value().toString());
            }
        }
    }
    if (reader.hasError()) {
        *error = reader.errorString();
    }
    return result;
}

} // namespace

class TestPropertyCollection : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void editsKeepOrderAndOnePropertyPerName_data()
    {
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<QStringList>("expected");
        // clang-format off
        QTest::newRow("appended in order") << QStringList{"a fo:x=1", "a fo:y=2", "a fo:z=3"} << QStringList{"fo:x=1", "fo:y=2", "fo:z=3"};
        QTest::newRow("newest value wins where the name stood") << QStringList{"a fo:x=1", "a fo:y=2", "a fo:x=3"} << QStringList{"fo:x=3", "fo:y=2"};
        QTest::newRow("add without replacing keeps the older value") << QStringList{"a fo:x=1", "A fo:x=2", "A fo:y=3"} << QStringList{"fo:x=1", "fo:y=3"};
        QTest::newRow("set adds a missing name and replaces a present one") << QStringList{"s fo:x=1", "s fo:y=2", "s fo:x=5"} << QStringList{"fo:x=5", "fo:y=2"};
        QTest::newRow("set without adding only changes present names") << QStringList{"S fo:x=1", "a fo:y=2", "S fo:y=3"} << QStringList{"fo:y=3"};
        QTest::newRow("removed and added again goes to the end") << QStringList{"a fo:x=1", "a fo:y=2", "r fo:x", "a fo:x=3"} << QStringList{"fo:y=2", "fo:x=3"};
        QTest::newRow("removing an absent name changes nothing") << QStringList{"a fo:x=1", "r fo:y", "r x"} << QStringList{"fo:x=1"};
        QTest::newRow("names are compared exactly") << QStringList{"a fo:padding-left=1", "a padding-left=2", "a FO:padding-left=3"} << QStringList{"fo:padding-left=1", "padding-left=2", "FO:padding-left=3"};
        QTest::newRow("an empty value is a value") << QStringList{"a fo:x=1", "a fo:x="} << QStringList{"fo:x="};
        // clang-format on
    }
    void editsKeepOrderAndOnePropertyPerName()
    {
        QFETCH(QStringList, script);
        QFETCH(QStringList, expected);

        const PropertyCollection properties = run(script);

        QCOMPARE(contents(properties), expected);
        QCOMPARE(properties.count(), int(expected.size()));
        QCOMPARE(properties.isEmpty(), expected.isEmpty());
        // Every lookup agrees with the list.
        for (const QString& entry : expected) {
            const QString name = entry.section(u'=', 0, 0);
            const QString value = entry.section(u'=', 1);
            QVERIFY(properties.containsProperty(name));
            QCOMPARE(properties.getPropertyValue(name).toQString(), value);
            QVERIFY(properties.getProperty(name));
            QCOMPARE(properties.getProperty(name)->getValue().toQString(), value);
        }
    }

    void addPropertiesMergesInOrder_data()
    {
        QTest::addColumn<bool>("replace");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("newest wins") << true << QStringList{"fo:x=1", "fo:y=3", "fo:z=4"};
        QTest::newRow("older kept") << false << QStringList{"fo:x=1", "fo:y=2", "fo:z=4"};
    }
    void addPropertiesMergesInOrder()
    {
        QFETCH(bool, replace);
        QFETCH(QStringList, expected);
        PropertyCollection target = run({"a fo:x=1", "a fo:y=2"});
        target.addProperties(run({"a fo:y=3", "a fo:z=4"}), replace);
        QCOMPARE(contents(target), expected);

        // Merging a collection into itself changes nothing.
        target.addProperties(target);
        QCOMPARE(contents(target), expected);
    }

    void propertiesStringReadsBackUnchanged_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("quotation marks") << u"\"Times New Roman\", serif"_s;
        QTest::newRow("apostrophe") << u"url('a b.png')"_s;
        QTest::newRow("ampersand and entity look-alike") << u"a & b &amp; c &#65;"_s;
        QTest::newRow("angle brackets") << u"count(item) > 2 and x < 3"_s;
        QTest::newRow("line feed") << u"first\nsecond"_s;
        QTest::newRow("carriage return and line feed") << u"first\r\nsecond"_s;
        QTest::newRow("tab") << u"a\tb"_s;
        QTest::newRow("blanks at the ends") << u"  padded  "_s;
        QTest::newRow("non-ASCII") << QString::fromUtf8("Größe \u00A0 \U0001F600");
        QTest::newRow("empty") << u""_s;
    }
    void propertiesStringReadsBackUnchanged()
    {
        QFETCH(QString, value);
        PropertyCollection properties;
        properties.addProperty(EditableProperty("fo:before", "1"));
        properties.addProperty(EditableProperty("km:value", value));
        properties.addProperty(EditableProperty("after", "2"));

        QString error;
        const auto attributes = readBack(properties.getPropertiesString(), &error);

        QVERIFY2(error.isEmpty(), qPrintable(error + QStringLiteral(": ") +
                                             properties.getPropertiesString().toQString()));
        QCOMPARE(attributes.size(), 3);
        QCOMPARE(attributes[0], qMakePair(QStringLiteral("fo:before"), QStringLiteral("1")));
        QCOMPARE(attributes[1], qMakePair(QStringLiteral("km:value"), value));
        QCOMPARE(attributes[2], qMakePair(QStringLiteral("after"), QStringLiteral("2")));
    }

    void propertiesStringStaysWellFormed_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("readValue");
        QTest::addColumn<bool>("written");
        // clang-format off
        QTest::newRow("control character dropped") << u"fo:x"_s << u"a\x01"_s "b\x1f" << u"ab"_s << true;
        QTest::newRow("lone surrogate dropped") << u"fo:x"_s << QString(QChar(0xD800)) + QChar(u'z') << u"z"_s << true;
        QTest::newRow("non-character dropped") << u"fo:x"_s << QString(QChar(0xFFFF)) << u""_s << true;
        QTest::newRow("empty name skipped") << u""_s << u"v"_s << u""_s << false;
        QTest::newRow("blank in name skipped") << u"fo:a b"_s << u"v"_s << u""_s << false;
        QTest::newRow("quote in name skipped") << u"a\"=\"1"_s << u"v"_s << u""_s << false;
        QTest::newRow("name starting with a digit skipped") << u"1a"_s << u"v"_s << u""_s << false;
        // clang-format on
    }
    void propertiesStringStaysWellFormed()
    {
        QFETCH(QString, name);
        QFETCH(QString, value);
        QFETCH(QString, readValue);
        QFETCH(bool, written);
        PropertyCollection properties;
        properties.addProperty(EditableProperty(name, value));
        properties.addProperty(EditableProperty("fo:next", "n"));

        QString error;
        const auto attributes = readBack(properties.getPropertiesString(), &error);

        QVERIFY2(error.isEmpty(), qPrintable(error + QStringLiteral(": ") +
                                             properties.getPropertiesString().toQString()));
        QCOMPARE(attributes.size(), written ? 2 : 1);
        if (written) {
            QCOMPARE(attributes[0], qMakePair(name, readValue));
        }
        QCOMPARE(attributes.last(), qMakePair(QStringLiteral("fo:next"), QStringLiteral("n")));
    }

    void equalityIgnoresOrder_data()
    {
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<QStringList>("right");
        QTest::addColumn<bool>("equal");
        // clang-format off
        QTest::newRow("other order") << QStringList{"a x=1", "a y=2"} << QStringList{"a y=2", "a x=1"} << true;
        QTest::newRow("other value") << QStringList{"a x=1", "a y=2"} << QStringList{"a x=1", "a y=3"} << false;
        QTest::newRow("one more") << QStringList{"a x=1"} << QStringList{"a x=1", "a y=2"} << false;
        QTest::newRow("other name") << QStringList{"a x=1"} << QStringList{"a X=1"} << false;
        // clang-format on
    }
    void equalityIgnoresOrder()
    {
        QFETCH(QStringList, left);
        QFETCH(QStringList, right);
        QFETCH(bool, equal);
        QCOMPARE(run(left) == run(right), equal);
        QCOMPARE(run(right) == run(left), equal);
    }
};

UIEDITOR_TEST_CLASS(TestPropertyCollection)
#include "tst_propertycollection.moc"
