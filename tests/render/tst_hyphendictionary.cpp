// Our reader of hyphenation patterns against libhyphen's own loader: the
// installed dictionaries and odd files build the same states, so the two
// hyphenate alike through libhyphen.
#include "outside/render/fohyphendictionaryloader_p.h"
#include "testregistry.h"

#include <QFile>
#include <QTemporaryFile>
#include <QTest>

#include <cstring>
#include <map>

using namespace Qt::StringLiterals;

namespace {

/// Every level's settings and states, transitions and fallbacks included.
QStringList states(const HyphenDict* dict)
{
    QStringList lines;
    for (; dict; dict = dict->nextlevel) {
        lines << u"%1 %2 %3 %4 %5 %6 %7"_s.arg(QString::fromLatin1(dict->cset))
                     .arg(int(dict->utf8))
                     .arg(int(dict->lhmin))
                     .arg(int(dict->rhmin))
                     .arg(int(dict->clhmin))
                     .arg(int(dict->crhmin))
                     .arg(dict->nohyphenl);
        const char* item = dict->nohyphen;
        for (int i = 0; item && i <= dict->nohyphenl; ++i, item += strlen(item) + 1) {
            lines.last() += u' ' + QString::fromLatin1(item);
        }
        for (int s = 0; s < dict->num_states; ++s) {
            const HyphenState& state = dict->states[s];
            QString line = u"%1 -> %2"_s.arg(s).arg(state.fallback_state);
            if (state.match) {
                line += u" %1 %2 %3 %4"_s.arg(QString::fromLatin1(state.match))
                            .arg(state.repl ? QString::fromLatin1(state.repl) : u"-"_s)
                            .arg(int(state.replindex))
                            .arg(int(state.replcut));
            }
            for (int t = 0; t < state.num_trans; ++t) {
                line += u" %1:%2"_s.arg(int(state.trans[t].ch)).arg(state.trans[t].new_state);
            }
            lines << line;
        }
    }
    return lines;
}

} // namespace

class TestHyphenDictionary : public QObject
{
    Q_OBJECT

    /// Per dictionary file: ours, then libhyphen's; loaded once, libhyphen's
    /// German one takes seconds.
    std::map<QString, std::pair<HyphenDict*, HyphenDict*>> m_loaded;

    /// Ours and libhyphen's for /usr/share/hyphen/hyph_`dictionary`.dic.
    std::pair<HyphenDict*, HyphenDict*> loaded(const QString& dictionary)
    {
        const QString path = u"/usr/share/hyphen/hyph_%1.dic"_s.arg(dictionary);
        auto it = m_loaded.find(path);
        if (it == m_loaded.end()) {
            it = m_loaded
                     .emplace(path, std::pair(Fo::HyphenDictionaryLoader::load(path),
                                              hnj_hyphen_load(QFile::encodeName(path).constData())))
                     .first;
        }
        return it->second;
    }

private Q_SLOTS:
    void cleanupTestCase()
    {
        for (auto& [path, dicts] : m_loaded) {
            for (HyphenDict* dict : {dicts.first, dicts.second}) {
                if (dict) {
                    hnj_hyphen_free(dict);
                }
            }
        }
    }

    void installedDictionariesBuildTheSameStates_data()
    {
        QTest::addColumn<QString>("dictionary");
        QTest::newRow("en") << u"en_US"_s;
        QTest::newRow("de") << u"de_DE"_s;
        QTest::newRow("fr") << u"fr"_s;
    }

    void installedDictionariesBuildTheSameStates()
    {
        QFETCH(QString, dictionary);
        const auto [ours, libhyphens] = loaded(dictionary);
        if (!ours && !libhyphens) {
            QSKIP("the dictionary is not installed");
        }
        QVERIFY(ours && libhyphens);
        QCOMPARE(states(ours), states(libhyphens));
    }

    void oddFilesBuildTheSameStates_data()
    {
        QTest::addColumn<QByteArray>("contents");
        // clang-format off
        QTest::newRow("empty") << ""_ba;
        QTest::newRow("charset only, no line end") << "UTF-8"_ba;
        QTest::newRow("charset longer than its buffer") << "ISO8859-1-and-then-some a1b\n.c2d\n"_ba;
        QTest::newRow("line longer than the buffer") << "UTF-8\na1b\n"_ba + QByteArray(120, 'x') + "1y\nc3d\n"_ba;
        QTest::newRow("last line long, no line end") << "UTF-8\na1b\n"_ba + QByteArray(99, 'z');
        QTest::newRow("NUL inside a line") << QByteArray("ISO8859-1\na1b\0c2d\ne1f\ng1h\n", 26);
        QTest::newRow("CRLF and comments") << "ISO8859-1\r\n% comment\r\nhy3ph\r\n# other\r\n\r\n"_ba;
        QTest::newRow("settings and levels") << "UTF-8\nLEFTHYPHENMIN 1\nCOMPOUNDRIGHTHYPHENMIN 4\nNOHYPHEN x,yz,\xc3\xa9\nNEXTLEVEL\n1a1\nRIGHTHYPHENMIN 300\nNEXTLEVEL\nb1c\n"_ba;
        QTest::newRow("repeated pattern") << "ISO8859-1\na1b\nab1c\na3b\n"_ba;
        QTest::newRow("non-standard, ISO") << "ISO8859-1\nc1k/k=k,1,1\n.ab1c/x=,2,1\n"_ba;
        QTest::newRow("non-standard, UTF-8") << "UTF-8\n\xc3\xa4\xc3\xb6" "1f/\xc3\xb6=f,2,2\n.f1f/ff=f\nx1y/z,7\n"_ba;
        QTest::newRow("bad digits and numbers") << "UTF-8\n99a0b9\nLEFTHYPHENMIN x\n1/,-9999,99999999999\n"_ba;
        // clang-format on
    }

    void oddFilesBuildTheSameStates()
    {
        QFETCH(QByteArray, contents);
        QTemporaryFile file;
        QVERIFY(file.open());
        file.write(contents);
        file.close();
        HyphenDict* ours = Fo::HyphenDictionaryLoader::read(contents);
        HyphenDict* libhyphens = hnj_hyphen_load(QFile::encodeName(file.fileName()).constData());
        QVERIFY(ours && libhyphens);
        const QStringList ourStates = states(ours);
        const QStringList libhyphenStates = states(libhyphens);
        hnj_hyphen_free(ours);
        hnj_hyphen_free(libhyphens);
        QCOMPARE(ourStates, libhyphenStates);
    }
};

UIEDITOR_TEST_CLASS(TestHyphenDictionary)
#include "tst_hyphendictionary.moc"
