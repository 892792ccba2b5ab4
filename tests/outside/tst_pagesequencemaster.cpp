// Page sets written as page sequence masters and read back, including page
// sequence masters written by hand.
#include "outside/dom/xmldocument.h"
#include "outside/dom/xmldomparser.h"
#include "outside/dom/xmlelement.h"
#include "outside/types/pageconditions.h"
#include "outside/types/pagesequencemasterxml.h"
#include "testregistry.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const char* const Wrapper = R"(<w xmlns:fo="http://www.w3.org/1999/XSL/Format" xmlns:kmb="http://www.varnel.com/kmb/1.0">)";

PageMasterData readBack(const Core::String& markup)
{
    Xml::DomParser parser;
    parser.parseMemory(Core::String(Wrapper) + markup + "</w>", "page set");
    return PageSequenceMasterXml::read(parser.getDocument()->getRootNode().get_first_child_element());
}

// Texts with what markup has to escape, blanks at the ends and beyond ASCII.
Core::String someText(QRandomGenerator& random)
{
    static const QString pieces[] = {u"body"_s, u" a&b "_s, u"<odd>"_s, u"\"q\" 'p'"_s, u"é€"_s,
                                     u"line\nbreak\ttab"_s, u"/doc/item[@n > 2]"_s, u""_s};
    return pieces[random.bounded(int(std::size(pieces)))] + pieces[random.bounded(int(std::size(pieces)))];
}

ReferenceInfo::Attributes someAttributes(QRandomGenerator& random, std::initializer_list<const char*> names)
{
    ReferenceInfo::Attributes attributes;
    for (const char* name : names) {
        if (random.bounded(2) == 0) {
            attributes.emplace_back(name, someText(random) + "x");
        }
    }
    return attributes;
}

PageMasterData somePageSet(QRandomGenerator& random)
{
    PageMasterData data;
    data.setMasterName(someText(random));
    for (const auto& [name, value] : someAttributes(random, {"kmb:xpath", "kmb:sort", "id"})) {
        data.setAttribute(name, value);
    }
    const ReferenceInfo::Attributes groups[] = {{}, {{"maximum-repeats", "no-limit"}}, {{"maximum-repeats", "4"}}};
    for (int n = random.bounded(7); n > 0; --n) {
        ReferenceInfo reference(random.bounded(4), someText(random));
        if (reference.getType() == ReferenceInfo::MultipleTimes) {
            reference.setMaximumRepeat(random.bounded(2) ? Core::String("no-limit") : Core::String("7"));
        }
        if (reference.getType() == ReferenceInfo::Conditional) {
            const PageConditions::Item& item = PageConditions::items()[size_t(random.bounded(7))];
            reference.setCondition(item.condition);
            reference.setConditionValue(item.value);
            reference.setGroupAttributes(groups[random.bounded(3)]);
        }
        reference.setOtherAttributes(someAttributes(random, {"id", "kmb:note"}));
        data.references().push_back(reference);
    }
    return data;
}

} // namespace

class TestPageSequenceMaster : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writtenPageSetsReadBackTheSame()
    {
        QRandomGenerator random(18);
        for (int i = 0; i < 300; ++i) {
            const PageMasterData data = somePageSet(random);
            const Core::String markup = PageSequenceMasterXml::write(data, "  ", "\r\n");
            QVERIFY2(readBack(markup) == data, qPrintable(markup.toQString()));
        }
    }

    void handWrittenMastersKeepWhatThePageSetDoesNotEdit_data()
    {
        QTest::addColumn<QString>("markup");
        QTest::addColumn<QString>("written");
        // clang-format off
        QTest::newRow("kinds of reference") << uR"(<fo:page-sequence-master master-name="s"><fo:single-page-master-reference master-reference="a"/><fo:repeatable-page-master-reference master-reference="b" maximum-repeats="2"/><fo:repeatable-page-master-reference master-reference="c"/></fo:page-sequence-master>)"_s << uR"(<fo:page-sequence-master master-name="s"><fo:single-page-master-reference master-reference="a"/><fo:repeatable-page-master-reference master-reference="b" maximum-repeats="2"/><fo:repeatable-page-master-reference master-reference="c"/></fo:page-sequence-master>)"_s;
        QTest::newRow("two conditions and ids") << uR"(<fo:page-sequence-master id="m" master-name="s" kmb:xpath="/a"><fo:repeatable-page-master-alternatives maximum-repeats="9" id="g"><fo:conditional-page-master-reference id="r" odd-or-even="odd" blank-or-not-blank="blank" master-reference="o"/><fo:conditional-page-master-reference master-reference="x"/></fo:repeatable-page-master-alternatives></fo:page-sequence-master>)"_s << uR"(<fo:page-sequence-master master-name="s" id="m" kmb:xpath="/a"><fo:repeatable-page-master-alternatives maximum-repeats="9" id="g"><fo:conditional-page-master-reference master-reference="o" odd-or-even="odd" id="r" blank-or-not-blank="blank"/><fo:conditional-page-master-reference master-reference="x"/></fo:repeatable-page-master-alternatives></fo:page-sequence-master>)"_s;
        QTest::newRow("alternatives split by a single page") << uR"(<fo:page-sequence-master master-name="s"><fo:repeatable-page-master-alternatives><fo:conditional-page-master-reference master-reference="f" page-position="first"/></fo:repeatable-page-master-alternatives><fo:single-page-master-reference master-reference="a"/><fo:repeatable-page-master-alternatives><fo:conditional-page-master-reference master-reference="l" page-position="rest"/></fo:repeatable-page-master-alternatives></fo:page-sequence-master>)"_s << uR"(<fo:page-sequence-master master-name="s"><fo:repeatable-page-master-alternatives><fo:conditional-page-master-reference master-reference="f" page-position="first"/></fo:repeatable-page-master-alternatives><fo:single-page-master-reference master-reference="a"/><fo:repeatable-page-master-alternatives><fo:conditional-page-master-reference master-reference="l" page-position="rest"/></fo:repeatable-page-master-alternatives></fo:page-sequence-master>)"_s;
        QTest::newRow("foreign children are dropped") << uR"(<fo:page-sequence-master master-name="s"><!-- c --><kmb:x/><fo:single-page-master-reference master-reference="a"/></fo:page-sequence-master>)"_s << uR"(<fo:page-sequence-master master-name="s"><fo:single-page-master-reference master-reference="a"/></fo:page-sequence-master>)"_s;
        // clang-format on
    }
    void handWrittenMastersKeepWhatThePageSetDoesNotEdit()
    {
        QFETCH(QString, markup);
        QFETCH(QString, written);
        // The layout between the elements is not what is compared.
        const QString result = PageSequenceMasterXml::write(readBack(markup), "", "").toQString();
        QCOMPARE(QString(result).replace(QRegularExpression(u">\\s+<"_s), u"><"_s), written);
    }
};

UIEDITOR_TEST_CLASS(TestPageSequenceMaster)
#include "tst_pagesequencemaster.moc"
