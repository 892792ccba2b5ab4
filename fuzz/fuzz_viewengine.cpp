// The view engine on arbitrary bytes as markup: every input loads or fails
// with the error status (or a Core::Exception for a barcode value), page 0,
// when there is one, lays out and paints into a small image, page 4 is laid
// out too (running headers, spans), and the whole document lays out within
// the page limit (keeps, citations, footnotes and forced page counts).
// Inputs of odd length load with data: every repeat prints three copies
// (grouped and merged when its expression has an "m"), fields print their
// expression, tests hold for odd lengths, and an element with an id gets the
// property the id names set to a value from the input.
#include "outside/core/coreexception.h"
#include "outside/render/viewdataevaluator.h"
#include "outside/render/viewengine.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

class EchoEvaluator : public ViewDataEvaluator
{
public:
    explicit EchoEvaluator(QString value) : m_value(std::move(value)) {}

    Repetition repeat(const Xml::Element& repeat, Context context, int limit) override
    {
        Repetition repetition;
        repetition.mergesGroups = repeat.get_attribute_value("xpath").toQString().contains(u'm');
        const quintptr base = quintptr(context) * 3;
        for (int i = 1; i <= std::min(3, limit); ++i) {
            repetition.groups.push_back({reinterpret_cast<Context>(base + quintptr(i))});
        }
        return repetition;
    }

    std::optional<Core::String> value(const Xml::Element& element, Context) override
    {
        const Core::String xpath = element.get_attribute_value("xpath") + element.get_attribute_value("select");
        return xpath.isEmpty() ? std::nullopt : std::optional<Core::String>(xpath);
    }

    bool holds(const Core::String& test, Context) override { return test.toQString().size() % 2 == 1; }

    std::vector<Attribute> attributes(const Xml::Element& element, Context) override
    {
        const Core::String id = element.get_attribute_value("id");
        if (id.isEmpty()) {
            return {};
        }
        return {{Core::String(), id, m_value}, {Core::String("http://www.varnel.com/km/1.0"), id, m_value}};
    }

private:
    QString m_value;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_viewengine";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString markup = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    ViewEngine engine;
    EchoEvaluator echo(markup.left(8));
    if (size % 2 == 1) {
        engine.setDataEvaluator(&echo);
    }
    try {
        engine.loadBuffer(markup);
    } catch (const Core::Exception&) {
        if (engine.getStatus() != ViewEngine::StatusError) {
            std::abort(); // a barcode failure must leave the error status
        }
        return 0;
    }
    if (engine.getStatus() == ViewEngine::StatusError && engine.getLastError().isEmpty()) {
        std::abort();
    }
    if (!engine.hasPage(0)) {
        return 0;
    }
    QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    const QSizeF page = engine.getPageSize(0);
    if (page.width() > 0 && page.height() > 0) {
        painter.scale(64.0 / page.width(), 64.0 / page.height());
    }
    engine.renderPageStaticPreviewMode(painter, 0);
    painter.end();
    engine.getPageBoxes(0);
    // A few pages more: what goes on across pages (running headers, spans).
    engine.getPageBoxes(4);
    if (engine.getPageCount() > 10000) {
        std::abort(); // the page limit did not hold
    }
    return 0;
}
