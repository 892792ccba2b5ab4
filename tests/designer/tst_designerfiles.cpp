// Files as a user expects them: unsaved work is asked about, a bad file
// changes nothing, recent templates and starters are at hand, and the work of
// a session that ended without closing is offered at the next start.
#include "frame/win32constants.h"
#include "modalanswerer.h"
#include "newtemplatedialog.h"
#include "recentfiles.h"
#include "recordingmessageboxfactory.h"
#include "sampleinvoice.h"
#include "scriptedfiledialogs.h"
#include "templaterecovery.h"
#include "testregistry.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

using namespace Qt::StringLiterals;
using namespace DesignerTest;

namespace {

QStringList recentEntries(const DesignerWindow& window)
{
    QStringList paths;
    for (const QAction* action : window.recentMenu()->actions()) {
        if (!action->data().toString().isEmpty()) {
            paths << action->data().toString();
        }
    }
    return paths;
}

// The invoice with one edit: the window's template is modified.
void openEdited(DesignerWindow& window, const QTemporaryDir& dir)
{
    window.openTemplate(BundledSamples::install(dir.path()));
    PropertyCollection colour;
    colour.addProperty(EditableProperty("fo:color", "navy"), true);
    window.document()->applyProperties(window.document()->getSelectedObjectPath(), colour);
}

} // namespace

class TestDesignerFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cancelKeepsUnsavedWork_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("close") << u"close"_s;
        QTest::newRow("new") << u"newAction"_s;
        QTest::newRow("open") << u"openAction"_s;
        QTest::newRow("recent") << u"recent"_s;
    }

    void cancelKeepsUnsavedWork()
    {
        QFETCH(QString, how);
        QTemporaryDir dir;
        DesignerWindow window;
        window.show();
        openEdited(window, dir);
        const SmartPtr<TemplateDocument> before = window.document();
        const QByteArray text = before->text();
        TestSupport::RecordingMessageBoxFactory messages;
        messages.answerWith({Win32::IDCANCEL});
        if (how == u"close"_s) {
            QVERIFY(!window.close());
        } else if (how == u"recent"_s) {
            window.recentMenu()->actions().constFirst()->trigger();
            QCoreApplication::processEvents();
        } else {
            command(window, how)->trigger();
        }
        QCOMPARE(messages.count(), 1);
        QVERIFY(window.isVisible());
        QCOMPARE(window.document().get(), before.get());
        QCOMPARE(window.document()->text(), text);
        QVERIFY(window.document()->isModified());
    }

    void badFileLeavesTemplateAsItWas_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // empty: no file at all
        QTest::addColumn<qint64>("size");      // grown to this size when larger
        QTest::addColumn<QString>("says");     // besides the file's name
        QTest::newRow("not XML") << "%PDF-1.4 binary"_ba << qint64(0) << u"bad.fo"_s;
        QTest::newRow("not XSL-FO") << "<html><body/></html>"_ba << qint64(0) << u"fo:root"_s;
        QTest::newRow("unreadable") << QByteArray() << qint64(0) << u"missing.fo"_s;
        // clang-format off
        QTest::newRow("too large") << "<fo:root xmlns:fo='http://www.w3.org/1999/XSL/Format'/>"_ba << TemplateDocument::maximumFileSize + 1 << u"64 MB"_s;
        // clang-format on
    }

    void badFileLeavesTemplateAsItWas()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(qint64, size);
        QFETCH(QString, says);
        QTemporaryDir dir;
        DesignerWindow window;
        openEdited(window, dir);
        const QByteArray text = window.document()->text();
        const QString path = bytes.isEmpty() ? dir.filePath(u"missing.fo"_s) : writeFile(dir, u"bad.fo"_s, bytes);
        if (size > 0) {
            QFile file(path);
            QVERIFY(file.resize(size)); // sparse: costs no disk
        }
        TestSupport::RecordingMessageBoxFactory messages;
        QVERIFY(!window.openTemplate(path));
        QCOMPARE(messages.count(), 1);
        QVERIFY(messages.last().text.contains(QFileInfo(path).fileName()));
        QVERIFY2(messages.last().text.contains(says), qPrintable(messages.last().text));
        QCOMPARE(window.document()->text(), text);
        QVERIFY(window.document()->isModified());
    }

    void newStartsFromABundledTemplate_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("pageWidth");
        QTest::addColumn<bool>("withSample");
        QTest::newRow("blank A4") << 0 << u"21cm"_s << false;
        QTest::newRow("blank Letter") << 1 << u"8.5in"_s << false;
        QTest::newRow("invoice") << 2 << u"21cm"_s << true;
    }

    void newStartsFromABundledTemplate()
    {
        QFETCH(int, row);
        QFETCH(QString, pageWidth);
        QFETCH(bool, withSample);
        QTemporaryDir dir;
        DesignerWindow window;
        TestSupport::ModalAnswerer answer;
        answer.onNext<NewTemplateDialog>([row](NewTemplateDialog* dialog) {
            dialog->list()->setCurrentRow(row);
            dialog->accept();
        });
        command(window, u"newAction"_s)->trigger();
        QVERIFY(answer.handled());
        const SmartPtr<TemplateDocument> document = window.document();
        QVERIFY(document);
        QVERIFY(window.windowTitle().startsWith(u"Untitled"_s));
        QVERIFY(!document->isModified());
        const auto master = document->root().find(u"//*[local-name()='simple-page-master']"_s);
        QCOMPARE(Xml::Element(master.front()).get_attribute_value("page-width").toQString(), pageWidth);
        QCOMPARE(!document->sampleDocument().isNull(), withSample);

        // An untitled template asks where to go.
        TestSupport::ScriptedFileDialogs files;
        files.answerWith({dir.filePath(u"new.fo"_s)});
        QVERIFY(command(window, u"saveAction"_s)->isEnabled());
        command(window, u"saveAction"_s)->trigger();
        QCOMPARE(files.requests().size(), 1);
        QCOMPARE(fileBytes(dir.filePath(u"new.fo"_s)), document->text());
    }

    void recentTemplatesMostRecentFirst()
    {
        RecentFiles::clear();
        QTemporaryDir dir;
        const QByteArray blank = "<fo:root xmlns:fo='http://www.w3.org/1999/XSL/Format'/>";
        QStringList opened;
        DesignerWindow window;
        for (int i = 0; i < RecentFiles::maximumCount + 2; ++i) {
            opened.prepend(writeFile(dir, u"t%1.fo"_s.arg(i), blank));
            QVERIFY(window.openTemplate(opened.constFirst()));
        }
        QCOMPARE(recentEntries(window), opened.mid(0, RecentFiles::maximumCount));

        // A file gone since: chosen, it is reported and leaves the list.
        QVERIFY(QFile::remove(opened.at(1)));
        TestSupport::RecordingMessageBoxFactory messages;
        window.recentMenu()->actions().at(1)->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(messages.count(), 1);
        QVERIFY(!recentEntries(window).contains(opened.at(1)));
        QCOMPARE(window.document()->getDocumentPath().toQString(), opened.at(0));

        command(window, u"clearRecentAction"_s)->trigger();
        QCoreApplication::processEvents();
        QVERIFY(recentEntries(window).isEmpty());
    }

    void unsavedWorkIsOfferedAfterACrash_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("restore") << u"Restore"_s;
        QTest::newRow("discard") << u"Discard"_s;
    }

    void unsavedWorkIsOfferedAfterACrash()
    {
        QFETCH(QString, button);
        const bool restore = button == "Restore"_L1;
        QTemporaryDir dir;
        QByteArray edited;
        QString path;
        {
            // The session ends without closing the window, as a crash ends it.
            DesignerWindow crashed;
            openEdited(crashed, dir);
            crashed.saveRecovery();
            edited = crashed.document()->text();
            path = crashed.document()->getDocumentPath().toQString();
        }
        const QByteArray onDisk = fileBytes(path);
        QVERIFY(onDisk != edited);

        DesignerWindow next;
        TestSupport::ModalAnswerer answer;
        answer.onNext<QMessageBox>([&button](QMessageBox* box) {
            for (QAbstractButton* candidate : box->buttons()) {
                if (candidate->text() == button) {
                    candidate->click();
                }
            }
        });
        QCOMPARE(next.offerRecovery(), restore);
        QVERIFY(answer.handled());
        if (restore) {
            QCOMPARE(next.document()->text(), edited);
            QCOMPARE(next.document()->getDocumentPath().toQString(), path);
            QVERIFY(next.document()->isModified());
            QVERIFY(TemplateRecovery::exists()); // until saved or discarded
            command(next, u"saveAction"_s)->trigger();
        }
        QVERIFY(!TemplateRecovery::exists());
        QCOMPARE(fileBytes(path), restore ? edited : onDisk);
    }
};

UIEDITOR_TEST_CLASS(TestDesignerFiles)
#include "tst_designerfiles.moc"
