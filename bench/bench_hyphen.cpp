// Loading a hyphenation dictionary, which the first hyphenated paragraph of a
// language waits for: libhyphen's own loader and ours on the same files.
#include "outside/render/fohyphendictionaryloader_p.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

class BenchHyphen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void load_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("ours");
        for (const QString& name : {u"en_US"_s, u"de_DE"_s, u"fr"_s}) {
            const QString path = u"/usr/share/hyphen/hyph_%1.dic"_s.arg(name);
            QTest::addRow("%s libhyphen", qPrintable(name)) << path << false;
            QTest::addRow("%s ours", qPrintable(name)) << path << true;
        }
    }

    void load()
    {
        QFETCH(QString, path);
        QFETCH(bool, ours);
        if (!QFile::exists(path)) {
            QSKIP("the dictionary is not installed");
        }
        const QByteArray fileName = QFile::encodeName(path);
        QBENCHMARK
        {
            HyphenDict* dict = ours ? Fo::HyphenDictionaryLoader::load(path)
                                    : hnj_hyphen_load(fileName.constData());
            QVERIFY(dict);
            hnj_hyphen_free(dict);
        }
    }
};

QTEST_GUILESS_MAIN(BenchHyphen)
#include "bench_hyphen.moc"
