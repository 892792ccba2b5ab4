// Property values as a template author edits them: typed in the field,
// made dynamic or conditional through the dialogs, and the rules that keep
// the default case and a document without sample data safe.
#include "controls/ceditlistctrl.h"
#include "controls/cinplaceedit.h"
#include "controls/colorctrl.h"
#include "frame/win32constants.h"
#include "modalanswerer.h"
#include "recordingmessageboxfactory.h"
#include "sampledocument.h"
#include "testregistry.h"
#include "values/editconditionalvaluesdlg.h"
#include "values/editpropertyvaluesdlg.h"
#include "values/propertyvaluesctrl.h"
#include "values/variantctrl.h"
#include "xml/widgets/xpatheditdlg.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(AttributeData)

using TestSupport::FakeDocumentInformation;
using TestSupport::ModalAnswerer;

namespace {

AttributeData plainAttribute()
{
    return AttributeData();
}

AttributeData listedAttribute(std::vector<Core::String> values, bool color = false)
{
    AttributeData attribute;
    attribute.setValues(std::move(values));
    attribute.setKind(color ? AttributeData::Kind::Color : AttributeData::Kind::Enumeration);
    return attribute;
}

// A document whose sample data are a small invoice, or none.
struct Document
{
    QTemporaryDir folder;
    SmartPtr<FakeDocumentInformation> info;

    explicit Document(bool withSample)
        : info(withSample ? TestSupport::documentWithSample(folder) : makeSmart<FakeDocumentInformation>())
    {
    }
};

PropertyValueEx staticValue(const Core::String& text)
{
    PropertyValueEx value;
    value.setStaticValue(text);
    return value;
}

QWidget* shownField(PropertyValuesCtrl& field)
{
    field.resize(240, 26);
    field.show();
    return &field;
}

void clickButton(PropertyValuesCtrl& field)
{
    QTest::mouseClick(&field, Qt::LeftButton, {}, field.dialogButtonRect().center());
}

} // namespace

class TestPropertyValues : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void staticValueIsTypedInPlace()
    {
        Document doc(true);
        PropertyValuesCtrl field(staticValue("12pt"), doc.info, "/invoice", false, true);
        shownField(field);
        field.setFocus();
        field.selectAll();
        QTest::keyClicks(&field, "14pt");
        QCOMPARE(field.getPropertyValueEx().getStaticValue(), Core::String("14pt"));
        QVERIFY(field.getPropertyValueEx().isStatic());
    }

    void dynamicValueShowsPlaceholderAndRefusesTyping()
    {
        Document doc(true);
        PropertyValueEx value;
        value.setType(PropertyValueType::Dynamic);
        value.setDynamicValue("price");
        PropertyValuesCtrl field(value, doc.info, "/invoice/line", false, true);
        shownField(field);
        QCOMPARE(field.placeholderText(), Core::String::formatS(63211));
        field.setFocus();
        QTest::keyClicks(&field, "typed");
        QCOMPARE(field.getPropertyValueEx(), value);

        value.setType(PropertyValueType::Conditional);
        field.setPropertyValueEx(value);
        QCOMPARE(field.placeholderText(), Core::String::formatS(63212));
    }

    void buttonNeedsSampleAndPermission()
    {
        Document none(false);
        PropertyValuesCtrl withoutSample(staticValue("a"), none.info, "/", false, true);
        shownField(withoutSample);
        QVERIFY(!withoutSample.isDialogButtonEnabled());
        QSignalSpy requested(&withoutSample, &PropertyValuesCtrl::propertyValueDialogRequested);
        clickButton(withoutSample);
        QCOMPARE(requested.count(), 0);

        Document doc(true);
        PropertyValuesCtrl forbidden(staticValue("a"), doc.info, "/", false, false);
        QVERIFY(!forbidden.isDialogButtonEnabled());
        PropertyValuesCtrl allowed(staticValue("a"), doc.info, "/", false, true);
        QVERIFY(allowed.isDialogButtonEnabled());
        PropertyValuesCtrl noDocument(staticValue("a"), SmartPtr<IDocumentInformation>(), "/",
                                      false, true);
        QVERIFY(!noDocument.isDialogButtonEnabled());
    }

    void buttonMakesTheValueDynamic()
    {
        Document doc(true);
        PropertyValuesCtrl field(staticValue("black"), "fo:color", plainAttribute(), doc.info,
                                 "/invoice/line", false, true);
        shownField(field);
        QSignalSpy changed(&field, &PropertyValuesCtrl::propertyValueChanged);
        ModalAnswerer answer;
        answer.onNext<EditPropertyValuesDlg>([](EditPropertyValuesDlg* dialog) {
            dialog->control<QRadioButton>(12202)->click();
            auto* xpath = dialog->control<QLineEdit>(12205);
            QVERIFY(xpath->isEnabled());
            xpath->setText("price");
            dialog->accept();
        });
        clickButton(field);
        QTRY_VERIFY(answer.handled());
        QTRY_COMPARE(changed.count(), 1);
        const PropertyValueEx value = field.getPropertyValueEx();
        QVERIFY(value.isDynamic());
        QCOMPARE(value.getDynamicValue(), Core::String("price"));
        QCOMPARE(value.getStaticValue(), Core::String("black"));
        QCOMPARE(field.placeholderText(), Core::String::formatS(63211));
    }

    void cancelKeepsTheValue()
    {
        Document doc(true);
        PropertyValuesCtrl field(staticValue("left"), doc.info, "/", false, true);
        shownField(field);
        ModalAnswerer answer;
        answer.onNext<EditPropertyValuesDlg>([](EditPropertyValuesDlg* dialog) {
            dialog->control<QRadioButton>(12202)->click();
            dialog->reject();
        });
        field.setFocus();
        QTest::keyClick(&field, Qt::Key_F4);
        QVERIFY(answer.handled());
        QCOMPARE(field.getPropertyValueEx(), staticValue("left"));
    }

    void editorFollowsTheAttribute_data()
    {
        QTest::addColumn<AttributeData>("attribute");
        QTest::addColumn<int>("kind");
        // clang-format off
        QTest::newRow("colour even with values") << listedAttribute({"red", "blue"}, true) << int(VariantCtrl::Kind::Color);
        QTest::newRow("allowed values") << listedAttribute({"left", "center", "right"}) << int(VariantCtrl::Kind::DropDown);
        QTest::newRow("free text") << plainAttribute() << int(VariantCtrl::Kind::Edit);
        // clang-format on
    }

    void editorFollowsTheAttribute()
    {
        QFETCH(AttributeData, attribute);
        QFETCH(int, kind);
        Document doc(true);
        EditPropertyValuesDlg dialog("fo:text-align", staticValue("justify"), attribute, doc.info,
                                     "/", true);
        dialog.show();
        auto* editor = dialog.control<VariantCtrl>(12204);
        QCOMPARE(int(editor->kind()), kind);
        QCOMPARE(editor->text(), Core::String("justify"));
        if (auto* combo = qobject_cast<QComboBox*>(editor->getControl())) {
            QCOMPARE(combo->count(), 3);
            combo->lineEdit()->selectAll();
            QTest::keyClicks(combo->lineEdit(), "inside");
        }
        dialog.accept();
        if (kind == int(VariantCtrl::Kind::DropDown)) {
            QCOMPARE(dialog.getPropertyValueEx().getStaticValue(), Core::String("inside"));
        }
    }

    // A sample counts only when the host reports it and its document is there.
    void withoutSampleOnlyStaticCanBeChosen_data()
    {
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<bool>("reported");
        QTest::newRow("nothing") << false << false;
        QTest::newRow("loaded, not reported") << true << false;
        QTest::newRow("reported, nothing loaded") << false << true;
    }

    void withoutSampleOnlyStaticCanBeChosen()
    {
        QFETCH(bool, loaded);
        QFETCH(bool, reported);
        Document doc(loaded);
        doc.info->setHasSampleData(reported);
        PropertyValuesCtrl field(staticValue("a"), doc.info, "/", false, true);
        QVERIFY(!field.isDialogButtonEnabled());
        PropertyValueEx value;
        value.setType(PropertyValueType::Dynamic);
        value.setDynamicValue("price");
        EditPropertyValuesDlg dialog("fo:color", value, plainAttribute(), doc.info, "/", true);
        dialog.show();
        QVERIFY(dialog.control<QRadioButton>(12202)->isChecked());
        QVERIFY(!dialog.control<QRadioButton>(12202)->isEnabled());
        QVERIFY(!dialog.control<QRadioButton>(12203)->isEnabled());
        QVERIFY(!dialog.control(12205)->isEnabled());
        QVERIFY(!dialog.control(12204)->isEnabled());
        QVERIFY(!dialog.control(12209)->isEnabled());
        dialog.control<QRadioButton>(12208)->click();
        QVERIFY(dialog.control(12204)->isEnabled());
        dialog.accept();
        QVERIFY(dialog.getPropertyValueEx().isStatic());
    }

    void conditionalNeedsPermission()
    {
        Document doc(true);
        EditPropertyValuesDlg dialog("fo:color", staticValue("red"), plainAttribute(), doc.info,
                                     "/", false);
        dialog.show();
        QVERIFY(dialog.control(12202)->isEnabled());
        QVERIFY(!dialog.control(12203)->isEnabled());
    }

    void defaultRowHoldsTheStaticValue()
    {
        Document doc(true);
        PropertyValueEx value = staticValue("black");
        value.setType(PropertyValueType::Conditional);
        EditPropertyValuesDlg dialog("fo:color", value, plainAttribute(), doc.info, "/", true);
        dialog.show();
        ModalAnswerer answer;
        answer.onNext<EditConditionalValuesDlg>([](EditConditionalValuesDlg* conditions) {
            auto* list = conditions->control<CEditListCtrl>(11105);
            QCOMPARE(list->GetItemCount(), 1);
            QCOMPARE(list->GetItemText(0, 0), QString("<default value>"));
            QCOMPARE(list->GetItemText(0, 1), QString("black"));
            QCOMPARE(list->GetItemText(0, 2), QString("Static"));
            QVERIFY(!conditions->control(11104)->isEnabled());
            QVERIFY(!conditions->control(11106)->isEnabled());
            QVERIFY(!conditions->control(12303)->isEnabled());
            auto* editor = conditions->control<VariantCtrl>(12304);
            auto* edit = qobject_cast<QLineEdit*>(editor->getControl());
            edit->selectAll();
            QTest::keyClicks(edit, "navy");
            QCOMPARE(list->GetItemText(0, 1), QString("navy"));
            conditions->accept();
        });
        dialog.control<QPushButton>(12209)->click();
        QVERIFY(answer.handled());
        dialog.accept();
        const PropertyValueEx result = dialog.getPropertyValueEx();
        QCOMPARE(result.getStaticValue(), Core::String("navy"));
        QVERIFY(result.getConditionalValues().empty());
    }

    void conditionsAddedEditedAndRemoved()
    {
        Document doc(true);
        std::vector<ConditionalValue> records{
            {"black", "", EditConditionalValuesDlg::DefaultCondition, false}};
        EditConditionalValuesDlg dialog("fo:color", records, plainAttribute(), doc.info,
                                        "/invoice/line");
        dialog.show();
        auto* list = dialog.control<CEditListCtrl>(11105);

        ModalAnswerer add;
        add.onNext<XPathEditDlg>([](XPathEditDlg* editor) {
            auto* expression = editor->control<QLineEdit>(11202);
            QCOMPARE(expression->text(), QString("<new condition>"));
            expression->setText("price > 100");
            editor->accept();
        });
        dialog.control<QPushButton>(11103)->click();
        QVERIFY(add.handled());
        QCOMPARE(list->GetItemCount(), 2);
        QCOMPARE(list->GetItemText(1, 0), QString("price > 100"));
        QVERIFY(list->topLevelItem(1)->isSelected());
        QVERIFY(dialog.control(11104)->isEnabled());

        // Make the new case dynamic.
        dialog.control<QRadioButton>(12303)->click();
        auto* xpath = dialog.control<QLineEdit>(12305);
        xpath->setFocus();
        QTest::keyClicks(xpath, "@id");
        QCOMPARE(list->GetItemText(1, 1), QString("@id"));
        QCOMPARE(list->GetItemText(1, 2), QString("Dynamic"));

        // F2 renames it in place.
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        list->setFocus();
        QTest::keyClick(list, Qt::Key_F2);
        CInPlaceEdit* rename = list->inPlaceEdit();
        QVERIFY(rename);
        QTest::keyClicks(rename, "price > 200");
        QTest::keyClick(rename, Qt::Key_Return);

        dialog.accept();
        const std::vector<ConditionalValue> result = dialog.getConditionalValues();
        QCOMPARE(result.size(), size_t(2));
        QCOMPARE(result[0].getCondition(), EditConditionalValuesDlg::DefaultCondition);
        QCOMPARE(result[1].getCondition(), Core::String("price > 200"));
        QVERIFY(result[1].isDynamic());
        QCOMPARE(result[1].getDynamicValue(), Core::String("@id"));
    }

    // A second "<default value>" row would be taken for the default.
    void defaultNameIsRefused_data()
    {
        QTest::addColumn<int>("button"); // 0: F2 in the list
        QTest::newRow("F2") << 0;
        QTest::newRow("Add") << 11103;
        QTest::newRow("Edit") << 11106;
    }

    void defaultNameIsRefused()
    {
        QFETCH(int, button);
        TestSupport::RecordingMessageBoxFactory messages;
        Document doc(true);
        std::vector<ConditionalValue> records{{"red", "", "price > 100", false},
                                              {"black", "", "<default value>", false}};
        EditConditionalValuesDlg dialog("fo:color", records, plainAttribute(), doc.info, "/");
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* list = dialog.control<CEditListCtrl>(11105);
        ModalAnswerer answer;
        answer.onNext<XPathEditDlg>([](XPathEditDlg* editor) {
            editor->control<QLineEdit>(11202)->setText("<default value>");
            editor->accept(); // the failed check's question is answered Yes
        });
        if (button == 0) {
            list->setFocus();
            QTest::keyClick(list, Qt::Key_F2);
            QVERIFY(list->inPlaceEdit());
            QTest::keyClicks(list->inPlaceEdit(), "<default value>");
            QTest::keyClick(list->inPlaceEdit(), Qt::Key_Return);
        } else {
            dialog.control<QPushButton>(button)->click();
            QVERIFY(answer.handled());
        }
        QVERIFY(messages.count() > 0 && messages.last().text.contains("<default value>"));
        QCOMPARE(messages.last().type, Win32::MB_ICONWARNING);
        QCOMPARE(list->GetItemText(0, 0), QString("price > 100"));
        dialog.accept();
        QCOMPARE(dialog.getConditionalValues().size(), size_t(2));
        QCOMPARE(dialog.getConditionalValues()[0].getCondition(), Core::String("price > 100"));
    }

    void secondRunStartsFromTheInputs()
    {
        Document doc(true);
        std::vector<ConditionalValue> records{{"red", "", "price > 100", false},
                                              {"black", "", "<default value>", false}};
        EditConditionalValuesDlg conditions("fo:color", records, plainAttribute(), doc.info, "/");
        EditPropertyValuesDlg values("fo:color", staticValue("red"), plainAttribute(), doc.info,
                                     "/", true);
        for (int run = 1; run <= 2; ++run) {
            conditions.show();
            values.show();
            auto* list = conditions.control<CEditListCtrl>(11105);
            QCOMPARE(list->GetItemCount(), 2);
            QCOMPARE(list->columnCount(), 3);
            QVERIFY(values.control<QRadioButton>(12208)->isChecked());
            conditions.control<QPushButton>(11104)->click();
            values.control<QRadioButton>(12202)->click();
            conditions.reject();
            values.reject();
        }
    }

    void removeTakesTheSelectedCase()
    {
        Document doc(true);
        std::vector<ConditionalValue> records{{"red", "", "price > 100", false},
                                              {"black", "", "<default value>", false}};
        EditConditionalValuesDlg dialog("fo:color", records, plainAttribute(), doc.info, "/");
        dialog.show();
        QVERIFY(dialog.control(11104)->isEnabled());
        dialog.control<QPushButton>(11104)->click();
        dialog.accept();
        QCOMPARE(dialog.getConditionalValues().size(), size_t(1));
        QCOMPARE(dialog.getConditionalValues()[0].getStaticValue(), Core::String("black"));
    }
};

UIEDITOR_TEST_CLASS(TestPropertyValues)
#include "tst_propertyvalues.moc"
