// Font families listed once each and sorted, the fixed-pitch filter, and the
// combo of texts with integer data.
#include "controls/fontcombobox.h"
#include "controls/fontenumerator.h"
#include "controls/simplecombobox.h"
#include "testregistry.h"

#include <algorithm>
#include <QCollator>
#include <QFontDatabase>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Feeds families as the system would report them.
class ReportedFonts : public FontEnumerator
{
public:
    using FontEnumerator::FontEnumerator;
    void report(const QString& family, bool fixedPitch) { OnEnumFontFamily(family, fixedPitch); }
};

QStringList itemsOf(const QComboBox& combo)
{
    QStringList items;
    for (int i = 0; i < combo.count(); ++i) {
        items << combo.itemText(i);
    }
    return items;
}

bool installed(const QString& family)
{
    return QFontDatabase::families().contains(family);
}

} // namespace

class TestFontCombos : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aFamilyReportedTwiceIsListedOnce()
    {
        ReportedFonts fonts;
        fonts.report("Liberation Sans", false);
        fonts.report("DejaVu Sans", false);
        fonts.report("Liberation Sans", false); // once per writing system
        fonts.report("Amiri", false);
        QStringList listed;
        for (const Core::String& family : fonts.getFonts()) {
            listed << family.toQString();
        }
        QCOMPARE(listed, (QStringList{"Amiri", "DejaVu Sans", "Liberation Sans"}));
    }

    void fixedPitchOnlySkipsProportionalFaces()
    {
        ReportedFonts fonts(true, true);
        fonts.report("DejaVu Sans", false);
        fonts.report("DejaVu Sans Mono", true);
        QCOMPARE(int(fonts.getFonts().size()), 1);
        QCOMPARE(fonts.getFonts().begin()->toQString(), QStringLiteral("DejaVu Sans Mono"));
    }

    void installedFamiliesAreFound()
    {
        if (!installed("DejaVu Sans") || !installed("DejaVu Sans Mono")) {
            QSKIP("the DejaVu fonts are not installed");
        }
        FontEnumerator all;
        all.loadFonts();
        QVERIFY(all.getFonts().count("DejaVu Sans"));
        QVERIFY(all.getFonts().count("DejaVu Sans Mono"));
        FontEnumerator fixed(true, false);
        fixed.loadFonts();
        QVERIFY(fixed.getFonts().count("DejaVu Sans Mono"));
        QVERIFY(!fixed.getFonts().count("DejaVu Sans"));
        QVERIFY(fixed.getFonts().size() < all.getFonts().size());
    }

    void theComboListsEachFamilyOnceInReadingOrder()
    {
        FontComboBox combo;
        const QStringList items = itemsOf(combo);
        QVERIFY(items.size() > 0);
        QCOMPARE(QSet<QString>(items.begin(), items.end()).size(), items.size());
        FontEnumerator fonts;
        fonts.loadFonts();
        QCOMPARE(items.size(), int(fonts.getFonts().size()));
        for (int i = 1; i < items.size(); ++i) {
            QVERIFY2(items[i - 1].compare(items[i], Qt::CaseInsensitive) <= 0 ||
                         items[i - 1].localeAwareCompare(items[i]) <= 0,
                     qPrintable(items[i - 1] + QStringLiteral(" / ") + items[i]));
        }
    }

    void entriesAddedLaterTakeTheirPlace_data()
    {
        QTest::addColumn<int>("at"); // -1: addItem
        QTest::addColumn<QString>("added");
        QTest::newRow("appended, first in order") << -1 << u"aaa Template font"_s;
        QTest::newRow("appended, in the middle") << -1 << u"Kkk Template font"_s;
        QTest::newRow("inserted on top, last in order") << 0 << u"zzz Template font"_s;
    }
    void entriesAddedLaterTakeTheirPlace()
    {
        QFETCH(int, at);
        QFETCH(QString, added);
        FontComboBox combo;
        combo.setCurrentIndex(combo.count() / 2);
        const QString current = combo.currentText();
        QStringList expected = itemsOf(combo) << added;
        QCollator order;
        order.setCaseSensitivity(Qt::CaseInsensitive);
        std::stable_sort(expected.begin(), expected.end(), order);
        if (at < 0) {
            combo.addItem(added);
        } else {
            combo.insertItem(at, added);
        }
        QCOMPARE(itemsOf(combo), expected);
        QCOMPARE(combo.currentText(), current);
    }

    void aComboThatHoldsEntriesGetsNoFontNames()
    {
        FontComboBox combo;
        combo.clear();
        combo.addItem("Template font");
        combo.initialize();
        QCOMPARE(itemsOf(combo), QStringList{"Template font"});
    }

    void aFormCanAskForFixedPitchOnly()
    {
        if (!installed("DejaVu Sans") || !installed("DejaVu Sans Mono")) {
            QSKIP("the DejaVu fonts are not installed");
        }
        FontComboBox combo;
        QVERIFY(combo.findText("DejaVu Sans", Qt::MatchExactly) >= 0);
        QVERIFY(combo.setProperty("fixedPitchOnly", true));
        QVERIFY(combo.findText("DejaVu Sans", Qt::MatchExactly) < 0);
        QVERIFY(combo.findText("DejaVu Sans Mono", Qt::MatchExactly) >= 0);
        FontComboBox fixed(true, false);
        QCOMPARE(itemsOf(fixed), itemsOf(combo));
    }

    void aFamilyIsSelectedByItsBeginning()
    {
        // The font dialog selects the first entry beginning with the family
        // name: the list must be there before the dialog is shown.
        if (!installed("DejaVu Sans Mono")) {
            QSKIP("the DejaVu fonts are not installed");
        }
        FontComboBox combo;
        const int index = combo.findText("DejaVu Sans M", Qt::MatchStartsWith);
        QVERIFY(index >= 0);
        QCOMPARE(combo.itemText(index), QStringLiteral("DejaVu Sans Mono"));
    }
};

UIEDITOR_TEST_CLASS(TestFontCombos)
#include "tst_fontcombos.moc"
