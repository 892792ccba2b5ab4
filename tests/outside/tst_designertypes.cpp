// Designer records: property values, object ids and the object information of
// the host's document.
#include "outside/types/objectid.h"
#include "outside/types/propertyvalueex.h"
#include "outside/xslfo/xslfodtobjectinfo.h"
#include "outside/xslfo/xslfodtobjectinfolist.h"
#include "testregistry.h"

#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(PropertyValueType)

class TestDesignerTypes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void emptinessFollowsTheKind_data()
    {
        QTest::addColumn<PropertyValueType>("type");
        QTest::addColumn<QString>("staticValue");
        QTest::addColumn<QString>("dynamicValue");
        QTest::addColumn<int>("cases");
        QTest::addColumn<bool>("empty");
        const auto Static = PropertyValueType::Static;
        const auto Dynamic = PropertyValueType::Dynamic;
        const auto Conditional = PropertyValueType::Conditional;
        // clang-format off
        QTest::newRow("static without text") << Static << u""_s << u""_s << 0 << true;
        QTest::newRow("static with text") << Static << u"a.png"_s << u""_s << 0 << false;
        QTest::newRow("static, an old expression does not count") << Static << u""_s << u"/doc/img"_s << 0 << true;
        QTest::newRow("dynamic with expression") << Dynamic << u""_s << u"/doc/img"_s << 0 << false;
        QTest::newRow("dynamic, an old text does not count") << Dynamic << u"a.png"_s << u""_s << 0 << true;
        QTest::newRow("conditional without cases or default") << Conditional << u""_s << u"/doc/img"_s << 0 << true;
        QTest::newRow("conditional with a default only") << Conditional << u"a.png"_s << u""_s << 0 << false;
        QTest::newRow("conditional with a case only") << Conditional << u""_s << u""_s << 1 << false;
        QTest::newRow("kind outside the enumeration") << PropertyValueType(7) << u"a.png"_s << u"/doc/img"_s << 1 << true;
        // clang-format on
    }
    void emptinessFollowsTheKind()
    {
        QFETCH(PropertyValueType, type);
        QFETCH(QString, staticValue);
        QFETCH(QString, dynamicValue);
        QFETCH(int, cases);
        QFETCH(bool, empty);
        PropertyValueEx value("km:value", ObjectId::generate());
        value.setType(type);
        value.setStaticValue(staticValue);
        value.setDynamicValue(dynamicValue);
        for (int i = 0; i < cases; ++i) {
            value.addConditionalValue(ConditionalValue("x", "", "/doc/flag = 1", false));
        }
        QCOMPARE(value.isEmpty(), empty);
        // Exactly one kind answers, the one set.
        QCOMPARE(value.isStatic(), type == PropertyValueType::Static);
        QCOMPARE(value.isDynamic(), type == PropertyValueType::Dynamic);
        QCOMPARE(value.isConditional(), type == PropertyValueType::Conditional);
    }

    void objectIdsAreUniqueXmlNames()
    {
        QSet<QString> seen;
        for (int i = 0; i < 10000; ++i) {
            const QString id = ObjectId::generate().toQString();
            QVERIFY2(!seen.contains(id), qPrintable(id));
            seen.insert(id);
            if (i % 500 == 0) {
                // As an element name and as the value of an id attribute.
                QXmlStreamReader reader(QStringLiteral("<%1 xml:id='%1' fo:id='%1' "
                                                       "xmlns:fo='urn:fo'/>")
                                            .arg(id));
                while (!reader.atEnd()) {
                    reader.readNext();
                }
                QVERIFY2(!reader.hasError(),
                         qPrintable(id + QStringLiteral(": ") + reader.errorString()));
                QVERIFY2(id.at(0).isLetter() && !id.contains(u':'), qPrintable(id));
            }
        }
    }

    void propertiesAreFoundByLocalName()
    {
        XSLFO::DTObjectInfo info("fo:block", "http://www.w3.org/1999/XSL/Format");
        info.addProperty(XSLFO::Property("border-left-width", "Border Width",
                                         "http://www.w3.org/1999/XSL/Format", "Borders"));
        info.addProperty(XSLFO::Property("color", "", "http://www.w3.org/1999/XSL/Format"));
        info.addProperty(
            XSLFO::Property("value-type", "Value Type", "http://www.varnel.com/km/1.0"));

        const XSLFO::Property* width = info.getPropertyByName("border-left-width");
        QVERIFY(width);
        QCOMPARE(width->getDisplayName().toQString(), QStringLiteral("Border Width"));
        QCOMPARE(width->getGroup().toQString(), QStringLiteral("Borders"));
        // Without a display name, lists show the name itself.
        QVERIFY(info.getPropertyByName("color"));
        QCOMPARE(info.getPropertyByName("color")->getDisplayName().toQString(),
                 QStringLiteral("color"));
        QCOMPARE(info.getPropertyByName("value-type")->getNamespaceURI().toQString(),
                 QStringLiteral("http://www.varnel.com/km/1.0"));
        QVERIFY(!info.getPropertyByName("fo:color"));
        QVERIFY(!info.getPropertyByName("Color"));
    }

    void objectsAreTheSameByElementAndIdentity_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("uri");
        QTest::addColumn<QString>("id");
        QTest::addColumn<bool>("same");
        // clang-format off
        QTest::newRow("same") << u"fo:block"_s << u"urn:fo"_s << u"n1"_s << true;
        QTest::newRow("other element") << u"fo:inline"_s << u"urn:fo"_s << u"n1"_s << false;
        QTest::newRow("other namespace") << u"fo:block"_s << u"urn:other"_s << u"n1"_s << false;
        QTest::newRow("other object of the same element") << u"fo:block"_s << u"urn:fo"_s << u"n2"_s << false;
        // clang-format on
    }
    void objectsAreTheSameByElementAndIdentity()
    {
        QFETCH(QString, name);
        QFETCH(QString, uri);
        QFETCH(QString, id);
        QFETCH(bool, same);
        XSLFO::DTObjectInfo chainEntry("fo:block", "urn:fo");
        chainEntry.setObjectId("n1");
        chainEntry.setDisplayName("Block");
        XSLFO::DTObjectInfo selected(name, uri);
        selected.setObjectId(id);
        // The shown name and the property list describe, they do not identify.
        selected.setDisplayName("Paragraph");
        selected.addProperty(XSLFO::Property("color", "Color", uri));
        QCOMPARE(selected == chainEntry, same);
    }
};

UIEDITOR_TEST_CLASS(TestDesignerTypes)
#include "tst_designertypes.moc"
