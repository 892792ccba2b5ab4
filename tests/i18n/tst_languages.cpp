// The language follows the environment at start-up: the message table, the
// forms and the tr() texts all speak it. Run once per language by ctest.
#include "designerwindow.h"
#include "dialogs/data/editvariablesdlg.h"
#include "dialogs/data/insertconditionalsectionsdlg.h"
#include "dialogs/data/vareditdlg.h"
#include "dialogdriver.h"
#include "dialogs/format/bordersbackgrounddlg.h"
#include "dialogs/format/formatconditiondlg.h"
#include "dialogs/format/paragrapheditdlg.h"
#include "frame/logdlg.h"
#include "frame/moduleconstants.h"
#include "fakedocumentinformation.h"
#include "frame/uitranslations.h"
#include "frame/win32constants.h"
#include "outside/core/coreapplication.h"
#include "outside/core/stringtable.h"
#include "testregistry.h"
#include "values/editpropertyvaluesdlg.h"
#include "values/variantctrl.h"
#include "xml/widgets/xpatheditdlg.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QXmlStreamReader>

using namespace Qt::Literals::StringLiterals;

class TestLanguages : public QObject
{
    Q_OBJECT

private:
    static QString expected() { return qEnvironmentVariable("UIEDITOR_EXPECTED_LANGUAGE"); }

    // The key after the single "&" of a text, lower case; none without one.
    static QChar mnemonicOf(const QString& text)
    {
        const qsizetype at = QString(text).replace(u"&&"_s, u"__"_s).indexOf(u'&');
        return at < 0 || at + 1 >= text.size() ? QChar() : text.at(at + 1).toLower();
    }

    // Fails when two of `texts` share a mnemonic; `where` names them in the message.
    static bool mnemonicsAreDistinct(const QStringList& texts, const QString& where)
    {
        QMap<QChar, QString> taken;
        for (const QString& text : texts) {
            const QChar key = mnemonicOf(text);
            if (key.isNull()) {
                continue;
            }
            if (taken.contains(key)) {
                qWarning("%s: \"%s\" and \"%s\"", qPrintable(where), qPrintable(taken.value(key)), qPrintable(text));
                return false;
            }
            taken.insert(key, text);
        }
        return true;
    }

private Q_SLOTS:
    void languageComesFromTheEnvironment()
    {
        QVERIFY2(!expected().isEmpty(), "run through ctest, which sets the expected language");
        QCOMPARE(Core::Application::getCurrentLanguage().getName().toQString(), expected());
        // English loads one too: it carries the plural forms of counted texts.
        QVERIFY(UiTranslations::libraryTranslationLoaded());
    }

    void everyNumberHasThreeTexts()
    {
        const Core::StringTable& table = Core::StringTable::instance();
        QVERIFY2(table.loadError().isEmpty(), qPrintable(table.loadError().toQString()));
        QFile list(qEnvironmentVariable("UIEDITOR_STRING_IDS"));
        QVERIFY(list.open(QIODevice::ReadOnly | QIODevice::Text));
        int checked = 0;
        while (!list.atEnd()) {
            const QByteArray line = list.readLine().trimmed();
            if (line.isEmpty()) {
                continue;
            }
            const unsigned id = line.toUInt();
            QVERIFY2(table.contains(id), line.constData());
            for (auto language : {Core::Language::English, Core::Language::German, Core::Language::French}) {
                QVERIFY2(!table.text(id, language).trimmed().isEmpty(),
                         qPrintable(QStringLiteral("%1 has no text in %2").arg(id).arg(Core::Language(language).getName().toQString())));
            }
            ++checked;
        }
        QVERIFY(checked > 250);
        QCOMPARE(int(table.ids().size()), checked);
    }

    void germanAndFrenchAreTranslationsNotCopies()
    {
        // Cognates exist ("Variables", "Image"), but a table that mostly repeats
        // English in another column has not been translated.
        const Core::StringTable& table = Core::StringTable::instance();
        int sameAsEnglish = 0;
        const QList<unsigned> ids = table.ids();
        for (unsigned id : ids) {
            const Core::String english = table.text(id, Core::Language::English);
            sameAsEnglish += table.text(id, Core::Language::German) == english;
            sameAsEnglish += table.text(id, Core::Language::French) == english;
        }
        QVERIFY2(sameAsEnglish < ids.size() / 10, qPrintable(QString::number(sameAsEnglish)));
    }

    void everyFormAndCodeTextIsTranslated()
    {
        // A text added without its German and French translation shows up in
        // English in the middle of a translated dialog.
        for (const char* language : {"de", "fr"}) {
            QFile file(qEnvironmentVariable("UIEDITOR_TRANSLATIONS_DIR") + QStringLiteral("/uieditor_%1.ts").arg(QLatin1String(language)));
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
            QXmlStreamReader reader(&file);
            QString source;
            int messages = 0;
            while (!reader.atEnd()) {
                reader.readNext();
                if (!reader.isStartElement()) {
                    continue;
                }
                if (reader.name() == u"source") {
                    source = reader.readElementText();
                } else if (reader.name() == u"translation") {
                    const bool unfinished = reader.attributes().value(QStringLiteral("type")) == u"unfinished";
                    const QString text = reader.readElementText(QXmlStreamReader::IncludeChildElements);
                    QVERIFY2(!unfinished && !text.trimmed().isEmpty(),
                             qPrintable(QStringLiteral("%1: \"%2\" is not translated").arg(QLatin1String(language), source)));
                    ++messages;
                }
            }
            QVERIFY(!reader.hasError());
            QVERIFY(messages > 0);
        }
    }

    void messagesSpeakTheRunningLanguage()
    {
        const Core::Language language = Core::Application::getCurrentLanguage();
        QCOMPARE(Core::String::formatS(63100), Core::StringTable::instance().text(63100, language));
        Core::String loaded;
        QVERIFY(loaded.loadString(12913));
        QCOMPARE(loaded, Core::StringTable::instance().text(12913, language));
        QVERIFY(!loaded.loadString(99999));
        QVERIFY(loaded.isEmpty());
    }

    void sharedConstantsUseTheRunningLanguage()
    {
        const auto& texts = ModuleConstants::barcodeTexts();
        QCOMPARE(int(texts.size()), 15);
        QCOMPARE(texts.back(), Core::StringTable::instance().text(63392, Core::Application::getCurrentLanguage()));
        for (const Core::String& text : texts) {
            QVERIFY(!text.isEmpty());
        }
        QCOMPARE(int(ModuleConstants::barcodeDisplayNames().size()), 18);
        QCOMPARE(ModuleConstants::xpathEditorRootText(), Core::String::formatS(63073));
    }

    void formsAndCodeTextsAreTranslated()
    {
        LogDlg log;
        log.addMessage("one");
        log.addMessage("two");
        const QString title = log.windowTitle();
        const QString count = log.control<QLabel>(1003)->text();
        const QString clear = log.control<QPushButton>(1002)->text();
        const QString close = log.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close)->text();
        if (expected() == QLatin1String("de")) {
            QCOMPARE(title, QStringLiteral("Protokoll"));
            QCOMPARE(count, QStringLiteral("2 Meldungen"));
            QCOMPARE(clear, QStringLiteral("&Leeren"));
            QCOMPARE(close, QStringLiteral("Schließen")); // Qt's own German texts are loaded too
        } else if (expected() == QLatin1String("fr")) {
            QCOMPARE(title, QStringLiteral("Journal"));
            QCOMPARE(count, QStringLiteral("2 messages"));
            QCOMPARE(clear, QStringLiteral("&Effacer"));
            QCOMPARE(close, QStringLiteral("Fermer"));
        } else {
            QCOMPARE(title, QStringLiteral("Log"));
            QCOMPARE(count, QStringLiteral("2 messages"));
            QCOMPARE(clear, QStringLiteral("C&lear"));
        }
    }

    // The caption of every feature dialog, in the language of the session.
    void dialogCaptions_data()
    {
        QTest::addColumn<QString>("caption"); // of the dialog the row names
        QTest::addColumn<QStringList>("captions"); // English, German, French
        // clang-format off
        QTest::newRow("4058") << BordersBackgroundDlg(BordersAndBackgroundData()).windowTitle() << QStringList{u"Borders and Background"_s, u"Rahmen und Hintergrund"_s, u"Bords et Arrière-plan"_s};
        QTest::newRow("9004") << ParagraphEditDlg().windowTitle() << QStringList{u"Paragraph"_s, u"Absatz"_s, u"Paragraphe"_s};
        QTest::newRow("12201") << EditPropertyValuesDlg(u"fo:color"_s, PropertyValueEx(), AttributeData(), {}, u"/"_s, false).windowTitle() << QStringList{u"Property Value"_s, u"Merkmalswert"_s, u"Valeur de la Propriété"_s};
        QTest::newRow("11201") << XPathEditDlg({}, QString(), u"/"_s).windowTitle() << QStringList{u" Edit Expression"_s, u"Ausdrücke editieren"_s, u"Editer l’Expression"_s};
        QTest::newRow("11601") << VarEditDlg(QString(), QString()).windowTitle() << QStringList{u"Edit Parameter"_s, u"Parameter bearbeiten"_s, u"Modifier le paramètre"_s};
        QTest::newRow("11701") << EditVariablesDlg({}).windowTitle() << QStringList{u"Parameters"_s, u"Parameter"_s, u"Paramètres"_s};
        QTest::newRow("11101") << InsertConditionalSectionsDlg({}, u"/"_s).windowTitle() << QStringList{u"Insert Conditional Sections"_s, u"Bedingte Abschnitte einfügen"_s, u"Insérer des sections conditionnelles"_s};
        // clang-format on
    }

    void dialogCaptions()
    {
        QFETCH(QString, caption);
        QFETCH(QStringList, captions);
        const int column = QStringList{u"en"_s, u"de"_s, u"fr"_s}.indexOf(expected());
        QVERIFY(column >= 0);
        QCOMPARE(caption, captions.at(column));
    }

    // The property list of a formatting condition names the catalogue's
    // properties and groups in the language; what is chosen stays the property.
    void formatConditionPropertyNames_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QStringList>("names");  // as listed: English, German, French
        QTest::addColumn<QStringList>("groups"); // the heading above it
        // clang-format off
        QTest::newRow("side of a border") << u"border-top-color"_s << QStringList{u"Top Border Color"_s, u"Rahmenfarbe oben"_s, u"Couleur de bordure supérieure"_s} << QStringList{u"Borders"_s, u"Rahmen"_s, u"Bordures"_s};
        QTest::newRow("plain") << u"keep-with-next"_s << QStringList{u"Keep With Next"_s, u"Mit nächstem zusammenhalten"_s, u"Solidaire du suivant"_s} << QStringList{u"Keeps and Breaks"_s, u"Zusammenhalt und Umbrüche"_s, u"Liaisons et sauts"_s};
        // clang-format on
    }

    void formatConditionPropertyNames()
    {
        QFETCH(QString, property);
        QFETCH(QStringList, names);
        QFETCH(QStringList, groups);
        const int column = QStringList{u"en"_s, u"de"_s, u"fr"_s}.indexOf(expected());
        QVERIFY(column >= 0);
        auto document = makeSmart<TestSupport::FakeDocumentInformation>();
        document->addToChain("fo:block", "/fo:root/fo:page-sequence/fo:flow/fo:block");
        FormatConditionDlg editor(document, Core::String(), "/", true);
        editor.show();
        auto* list = editor.control<QComboBox>(FormatConditionDlg::IDC_PROPERTY);
        const int row = list->findText(u"    "_s + names.at(column));
        QVERIFY2(row > 0, qPrintable(names.at(column)));
        int heading = row - 1;
        while (heading > 0 && list->itemData(heading, Qt::UserRole).isValid()) {
            --heading;
        }
        QCOMPARE(list->itemText(heading), groups.at(column));
        TestSupport::chooseEntry(list, list->itemText(row));
        TestSupport::typeText(qobject_cast<QLineEdit*>(editor.control<VariantCtrl>(FormatConditionDlg::IDC_VALUE)->getControl()), u"red"_s);
        editor.control<QPushButton>(Win32::IDOK)->click();
        KMBAttribute chosen;
        editor.getValues(chosen);
        QCOMPARE(chosen.getAttributeName().toQString(), u"fo:"_s + property);
    }

    // The menu bar and each menu of the designer, as a user of the language meets them.
    void noMnemonicIsSharedWithinAMenu()
    {
        DesignerWindow window;
        QStringList titles;
        for (QAction* action : window.menuBar()->actions()) {
            titles << action->text();
            if (QMenu* menu = action->menu()) {
                QStringList items;
                for (QAction* item : menu->actions()) {
                    items << item->text();
                }
                QVERIFY(mnemonicsAreDistinct(items, action->text()));
            }
        }
        QVERIFY(titles.size() > 3);
        QVERIFY(mnemonicsAreDistinct(titles, u"menu bar"_s));
    }

    // A tabbed dialog is one window: its tabs' controls and its buttons
    // share one set of keys.
    void noMnemonicIsSharedAcrossTabs()
    {
        ParagraphEditDlg dialog;
        QStringList texts;
        for (const QWidget* child : dialog.findChildren<QWidget*>()) {
            if (const auto* label = qobject_cast<const QLabel*>(child)) {
                texts << label->text();
            } else if (const auto* button = qobject_cast<const QAbstractButton*>(child)) {
                texts << button->text();
            } else if (const auto* group = qobject_cast<const QGroupBox*>(child)) {
                texts << group->title();
            }
        }
        QVERIFY(texts.size() > 10);
        QVERIFY(mnemonicsAreDistinct(texts, dialog.windowTitle()));
    }

    // Two controls of one form sharing a mnemonic leave the second out of
    // reach from the keyboard.
    void noMnemonicIsSharedWithinAForm()
    {
        const QDir forms(qEnvironmentVariable("UIEDITOR_TRANSLATIONS_DIR") + u"/../forms"_s);
        const QStringList files = forms.entryList({u"*.ui"_s});
        QVERIFY(!files.isEmpty());
        for (const QString& name : files) {
            QFile file(forms.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QXmlStreamReader xml(&file);
            QString context;
            QString property;
            QMap<QChar, QString> taken;
            while (!xml.atEnd()) {
                xml.readNext();
                if (!xml.isStartElement()) {
                    continue;
                }
                if (xml.name() == u"class" && context.isEmpty()) {
                    context = xml.readElementText();
                } else if (xml.name() == u"property") {
                    property = xml.attributes().value(u"name"_s).toString();
                } else if (xml.name() == u"string" && (property == u"text" || property == u"title")) {
                    const QString source = xml.readElementText();
                    // Given so in English, these two keep the letter of their axis there.
                    if (expected() == u"en" && source.startsWith(u"Offset on &"_s)) {
                        continue;
                    }
                    // The insert-table dialog's English labels are given with
                    // these letters twice; German and French keep them apart.
                    if (expected() == u"en" && context == u"InsertTableDlg"_s &&
                        QStringList{u"&Cells"_s, u"&Has borders"_s, u"&Horizontal Align:"_s, u"Colo&r:"_s}.contains(source)) {
                        continue;
                    }
                    // So are the region page's "&Padding" and "&Precedence".
                    if (expected() == u"en" && context == u"PageRegionPPage"_s && source == u"&Precedence"_s) {
                        continue;
                    }
                    const QString text = QCoreApplication::translate(qPrintable(context), qPrintable(source));
                    const QChar key = mnemonicOf(text);
                    if (key.isNull()) {
                        continue;
                    }
                    QVERIFY2(!taken.contains(key), qPrintable(u"%1: \"%2\" and \"%3\""_s.arg(name, taken.value(key), text)));
                    taken.insert(key, text);
                }
            }
        }
    }
};

UIEDITOR_TEST_CLASS(TestLanguages)
#include "tst_languages.moc"
