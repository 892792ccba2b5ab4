// The colour field: the swatch following what is typed, the colour read back
// in every notation, and the colour dialog answered from the test.
#include "controls/colorctrl.h"
#include "fieldwindow.h"
#include "modalanswerer.h"
#include "testregistry.h"

#include <QColorDialog>
#include <QImage>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using Window = FieldWindow<ColorCtrl>;

QColor colorOf(COLORREF color)
{
    return QColor(GetRValue(color), GetGValue(color), GetBValue(color));
}

// What the user sees in the middle of the swatch.
QColor paintedSwatch(ColorCtrl* field)
{
    const QImage image = field->grab().toImage();
    const QPoint middle = field->swatchRect().center();
    const qreal ratio = image.devicePixelRatio();
    return image.pixelColor(QPoint(int(middle.x() * ratio), int(middle.y() * ratio)));
}

void typeReplacing(ColorCtrl* field, const QString& text)
{
    field->setFocus();
    field->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(field, Qt::Key_Backspace);
    } else {
        QTest::keyClicks(field, text);
    }
}

} // namespace

class TestColorCtrl : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aNewFieldIsEmptyWithAWhiteSwatch()
    {
        Window w;
        QVERIFY(w.show());
        QVERIFY(w.field->text().isEmpty());
        QVERIFY(w.field->isColorEmpty());
        QVERIFY(!w.field->isGradient());
        QCOMPARE(paintedSwatch(w.field), QColor(Qt::white));
        QCOMPARE(w.field->getColor(), COLORREF(0));
    }

    void theSwatchFollowsTheTypedText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QColor>("swatch");
        QTest::addColumn<QColor>("read");
        const QColor navy(0, 0, 128);
        // clang-format off
        QTest::newRow("keyword") << u"red"_s << QColor(255, 0, 0) << QColor(255, 0, 0);
        QTest::newRow("keyword in capitals is not matched") << u"Red"_s << navy << QColor(255, 0, 0);
        QTest::newRow("grey spelling") << u"lightgrey"_s << QColor(211, 211, 211) << QColor(211, 211, 211);
        QTest::newRow("rgb with blanks") << u"rgb( 0 , 128 , 0 )"_s << QColor(0, 128, 0) << QColor(0, 128, 0);
        QTest::newRow("hexadecimal: swatch unchanged, read as red") << u"#ff0000"_s << navy << QColor(255, 0, 0);
        QTest::newRow("cmyk: swatch unchanged") << u"cmyk(0,1,1,0)"_s << navy << QColor(255, 0, 0);
        QTest::newRow("300 keeps its low 8 bits in the swatch") << u"rgb(300,0,0)"_s << QColor(44, 0, 0) << QColor(255, 0, 0);
        QTest::newRow("semicolon triplet") << u"12;34;56)"_s << QColor(12, 34, 56) << QColor(0, 0, 0);
        QTest::newRow("no colour at all") << u"hello"_s << navy << QColor(0, 0, 0);
        // clang-format on
    }

    void theSwatchFollowsTheTypedText()
    {
        QFETCH(QString, typed);
        QFETCH(QColor, swatch);
        QFETCH(QColor, read);
        Window w;
        QVERIFY(w.show());
        w.field->setColor("navy");
        QCOMPARE(paintedSwatch(w.field), QColor(0, 0, 128));
        QSignalSpy changed(w.field, &QLineEdit::textChanged);
        typeReplacing(w.field, typed);
        QCOMPARE(w.field->text(), typed);
        QVERIFY(!w.field->isColorEmpty());
        QCOMPARE(colorOf(w.field->swatchColor()), swatch);
        QCOMPARE(paintedSwatch(w.field), swatch);
        QCOMPARE(colorOf(w.field->getColor()), read);
        QCOMPARE(changed.count(), typed.size());
    }

    void clearingTheTextEmptiesTheField()
    {
        Window w;
        QVERIFY(w.show());
        w.field->setColor("olive");
        w.field->setGradient("linear-gradient(red, blue)");
        QVERIFY(w.field->isGradient());
        typeReplacing(w.field, QString());
        QVERIFY(w.field->text().isEmpty());
        QVERIFY(w.field->isColorEmpty());
        QVERIFY(!w.field->isGradient());
        QCOMPARE(paintedSwatch(w.field), QColor(Qt::white));
    }

    void gradientKeepsTheLastColour()
    {
        Window w;
        QVERIFY(w.show());
        w.field->setColor("teal");
        w.field->setGradient("linear-gradient(red, blue)");
        w.field->setText("Gradient");
        QVERIFY(w.field->isGradient());
        QCOMPARE(w.field->getGradient().toQString(), QStringLiteral("linear-gradient(red, blue)"));
        QCOMPARE(paintedSwatch(w.field), QColor(0, 128, 128));
        // A colour typed over it ends the gradient.
        typeReplacing(w.field, "blue");
        QVERIFY(!w.field->isGradient());
        QCOMPARE(paintedSwatch(w.field), QColor(0, 0, 255));
    }

    void aGradientSetOnAnEmptyFieldIsNoLongerEmpty()
    {
        ColorCtrl field;
        field.setGradient("radial-gradient(white, black)");
        field.setText("Gradient");
        QVERIFY(field.isGradient());
        QVERIFY(!field.isColorEmpty());
        // Typing "Gradient" alone into an empty field marks it without a colour.
        ColorCtrl typed;
        typed.setText("Gradient");
        QVERIFY(typed.isGradient());
        QVERIFY(typed.isColorEmpty());
    }

    void theDialogOpensPreselectedAndSetsTheChosenColour()
    {
        Window w;
        QVERIFY(w.show());
        w.field->setColor("navy");
        QSignalSpy changed(w.field, &QLineEdit::textChanged);
        TestSupport::ModalAnswerer answer;
        QColor preselected;
        bool toolkitDialog = false;
        answer.onNext<QColorDialog>([&](QColorDialog* dialog) {
            preselected = dialog->currentColor();
            toolkitDialog = dialog->testOption(QColorDialog::DontUseNativeDialog);
            dialog->setCurrentColor(QColor(10, 20, 30));
            dialog->accept();
        });
        w.after->setFocus();
        QTest::mouseClick(w.field, Qt::LeftButton, {}, w.field->dropDownButtonRect().center());
        QVERIFY(answer.handled());
        QCOMPARE(preselected, QColor(0, 0, 128));
        QVERIFY(toolkitDialog);
        QCOMPARE(w.field->text(), QStringLiteral("rgb(10,20,30)"));
        QCOMPARE(w.field->getColor(), RGB(10, 20, 30));
        QCOMPARE(paintedSwatch(w.field), QColor(10, 20, 30));
        QCOMPARE(changed.count(), 1);
        // The click gave the field the focus before the dialog took it.
        QCOMPARE(w.window->focusWidget(), w.field);
    }

    void cancellingTheDialogChangesNothing()
    {
        Window w;
        QVERIFY(w.show());
        w.field->setText("rgb(1,2,3)");
        QSignalSpy changed(w.field, &QLineEdit::textChanged);
        TestSupport::ModalAnswerer answer;
        answer.onNext<QColorDialog>([](QColorDialog* dialog) {
            dialog->setCurrentColor(Qt::yellow);
            dialog->reject();
        });
        QTest::mouseClick(w.field, Qt::LeftButton, {}, w.field->dropDownButtonRect().center());
        QVERIFY(answer.handled());
        QCOMPARE(w.field->text(), QStringLiteral("rgb(1,2,3)"));
        QCOMPARE(changed.count(), 0);
        QCOMPARE(paintedSwatch(w.field), QColor(1, 2, 3));
    }

    void theKeyboardOpensTheDialogToo_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("F4") << int(Qt::Key_F4) << int(Qt::NoModifier);
        QTest::newRow("Alt+Down") << int(Qt::Key_Down) << int(Qt::AltModifier);
    }

    void theKeyboardOpensTheDialogToo()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        Window w;
        QVERIFY(w.show());
        TestSupport::ModalAnswerer answer;
        answer.onNext<QColorDialog>([](QColorDialog* dialog) {
            dialog->setCurrentColor(QColor(200, 100, 0));
            dialog->accept();
        });
        w.field->setFocus();
        QTest::keyClick(w.field, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QVERIFY(answer.handled());
        QCOMPARE(w.field->text(), QStringLiteral("rgb(200,100,0)"));
    }

    void aClickOnTheSwatchOnlyFocuses()
    {
        Window w;
        QVERIFY(w.show());
        w.field->setText("red");
        w.after->setFocus();
        TestSupport::ModalAnswerer answer(300);
        answer.onNext<QColorDialog>([](QColorDialog* dialog) { dialog->reject(); });
        QTest::mouseClick(w.field, Qt::LeftButton, {}, w.field->swatchAreaRect().center());
        QVERIFY(w.field->hasFocus());
        QTest::qWait(400);
        QVERIFY(!answer.handled());
        QCOMPARE(w.field->text(), QStringLiteral("red"));
    }

    void typedTextStaysClearOfSwatchAndButton()
    {
        Window w;
        QVERIFY(w.show());
        w.field->setText("mediumaquamarine mediumaquamarine");
        const auto cursor = [&] {
            return w.field->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        };
        w.field->setFocus();
        w.field->setCursorPosition(0);
        // The cursor's rectangle is centred on the caret.
        QVERIFY(cursor().center().x() > w.field->swatchAreaRect().right());
        w.field->end(false);
        QVERIFY(cursor().center().x() < w.field->dropDownButtonRect().left());
        // Without the margins the caret would stand in the swatch.
        w.field->setTextMargins(0, 0, 0, 0);
        w.field->home(false);
        QVERIFY(cursor().center().x() < w.field->swatchRect().right());
    }
};

UIEDITOR_TEST_CLASS(TestColorCtrl)
#include "tst_colorctrl.moc"
