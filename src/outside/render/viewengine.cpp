#include "outside/render/viewengine.h"

#include "outside/core/coreexception.h"
#include "outside/core/iprogressmonitor.h"
#include "outside/dom/xmldocument.h"
#include "outside/dom/xmldomparser.h"
#include "outside/render/foerrors_p.h"
#include "outside/render/fofont_p.h"
#include "outside/render/folayoutmetrics_p.h"
#include "outside/render/fopagereferences_p.h"
#include "outside/render/fopaginator_p.h"
#include "outside/render/fopainter_p.h"
#include "outside/render/fotree_p.h"

#include <QFileInfo>
#include <QPainter>

#include <libxml/tree.h>

#include <optional>

struct ViewEngine::Private
{
    int status = StatusEmpty;
    Core::String error;
    // Order matters for destruction: pages point into the document and fonts.
    SmartPtr<Xml::XmlDocument> xml;
    std::unique_ptr<Fo::Document> document;
    std::unique_ptr<Fo::FontCache> fonts;
    std::unique_ptr<Fo::Paginator> paginator;
    std::vector<Fo::Page> pages;
    std::unique_ptr<Fo::PageReferences> references;
    bool complete = false;
    ViewDataEvaluator* data = nullptr;

    void reset()
    {
        pages.clear();
        paginator.reset();
        references.reset();
        document.reset();
        fonts.reset();
        xml = SmartPtr<Xml::XmlDocument>();
        complete = false;
        error = Core::String();
    }

    bool layOutNextPage()
    {
        Fo::Page page;
        if (complete || !paginator->nextPage(page)) {
            complete = true;
            return false;
        }
        pages.push_back(std::move(page));
        references->record(pages.back(), int(pages.size()) - 1);
        return true;
    }

    /// Lays out pages until `index` exists or there are no more, and further
    /// while those pages cite pages not known yet.
    bool ensure(int index)
    {
        if (status != StatusReady || index < 0) {
            return false;
        }
        while (int(pages.size()) <= index && layOutNextPage()) {
        }
        const int last = std::min(index, int(pages.size()) - 1);
        while (references->waiting(last) && layOutNextPage()) {
            references->resolve(pages, false);
        }
        references->resolve(pages, complete);
        return index < int(pages.size());
    }

    void load(const std::function<void(Xml::DomParser&)>& parse, const QString& basePath,
              quint64 size, IProgressMonitor* monitor)
    {
        reset();
        status = StatusLoading;
        if (monitor) {
            monitor->beginLoad(size);
        }
        std::optional<Core::Exception> barcodeError;
        try {
            Xml::DomParser parser;
            parse(parser);
            xml = parser.getDocument();
            fonts = std::make_unique<Fo::FontCache>();
            document = std::make_unique<Fo::Document>(xml->getRootNode(), basePath, data);
            references = std::make_unique<Fo::PageReferences>();
            paginator = std::make_unique<Fo::Paginator>(*document, *fonts, references.get());
            status = StatusReady;
        } catch (const Fo::BarcodeError& e) {
            barcodeError.emplace(e.getMessage());
        } catch (const Core::Exception& e) {
            reset();
            status = StatusError;
            error = e.getMessage();
        } catch (const std::exception& e) {
            reset();
            status = StatusError;
            error = Core::String(e.what());
        }
        if (barcodeError) {
            reset();
            status = StatusError;
            error = barcodeError->getMessage();
        }
        if (monitor) {
            monitor->onProgress(size, 100);
            monitor->endLoad();
        }
        if (barcodeError) {
            throw Core::Exception(barcodeError->getMessage());
        }
    }
};

ViewEngine::ViewEngine() : d(std::make_unique<Private>()) {}

ViewEngine::~ViewEngine()
{
    d->reset();
}

void ViewEngine::loadFile(const Core::String& path, IProgressMonitor* monitor)
{
    const QFileInfo info(path.toQString());
    d->load([&](Xml::DomParser& parser) { parser.parseFile(path); }, info.absolutePath(),
            quint64(std::max<qint64>(0, info.size())), monitor);
}

void ViewEngine::loadBuffer(const Core::String& markup, const Core::String& basePath,
                            IProgressMonitor* monitor, bool synchronous)
{
    Q_UNUSED(synchronous);
    if (markup.trimmed().isEmpty()) {
        // Nothing to show is no error: the preview stays grey.
        d->reset();
        d->status = StatusEmpty;
        if (monitor) {
            monitor->beginLoad(0);
            monitor->endLoad();
        }
        return;
    }
    const QByteArray bytes = markup.toUtf8();
    d->load([&](Xml::DomParser& parser) { parser.parseMemory(markup); }, basePath.toQString(),
            quint64(bytes.size()), monitor);
}

void ViewEngine::setDataEvaluator(ViewDataEvaluator* evaluator)
{
    d->data = evaluator;
}

int ViewEngine::getStatus() const
{
    return d->status;
}

Core::String ViewEngine::getLastError() const
{
    if (d->status == StatusReady && d->paginator && d->paginator->truncated()) {
        return QStringLiteral("The document has more than %1 pages; the preview ends there.")
            .arg(Fo::maxPages);
    }
    return d->error;
}

int ViewEngine::getPageCount()
{
    if (d->status != StatusReady) {
        return 0;
    }
    d->ensure(std::numeric_limits<int>::max() - 1);
    return int(d->pages.size());
}

bool ViewEngine::hasPage(int page)
{
    return d->ensure(page);
}

QSizeF ViewEngine::getPageSize(int page)
{
    if (!d->ensure(page)) {
        return QSizeF();
    }
    return d->pages[size_t(page)].size;
}

void ViewEngine::renderPageStaticPreviewMode(QPainter& context, int page)
{
    if (!d->ensure(page)) {
        return;
    }
    Fo::paintPage(context, d->pages[size_t(page)]);
}

std::vector<ViewLayoutBox> ViewEngine::getPageBoxes(int page)
{
    std::vector<ViewLayoutBox> boxes;
    if (!d->ensure(page)) {
        return boxes;
    }
    for (const Fo::PaintItem& item : d->pages[size_t(page)].items) {
        ViewLayoutBox box;
        box.rect = item.rect;
        box.clip = item.clip;
        box.rotation = 90 * item.turns;
        if (item.node) {
            box.element = item.node->name;
        }
        switch (item.kind) {
        case Fo::PaintItem::Box:
            switch (item.role) {
            case Fo::PaintItem::Region:
                box.kind = ViewLayoutBox::Kind::Region;
                box.text = item.text;
                break;
            case Fo::PaintItem::Block:
                box.kind = ViewLayoutBox::Kind::Block;
                break;
            case Fo::PaintItem::Inline:
                box.kind = ViewLayoutBox::Kind::Inline;
                break;
            case Fo::PaintItem::Table:
                box.kind = ViewLayoutBox::Kind::Table;
                break;
            case Fo::PaintItem::Section:
                box.kind = ViewLayoutBox::Kind::TableSection;
                break;
            case Fo::PaintItem::Row:
                box.kind = ViewLayoutBox::Kind::TableRow;
                break;
            case Fo::PaintItem::Cell:
                box.kind = ViewLayoutBox::Kind::TableCell;
                break;
            case Fo::PaintItem::Object:
                box.kind = ViewLayoutBox::Kind::Object;
                break;
            }
            break;
        case Fo::PaintItem::Text:
            box.kind = ViewLayoutBox::Kind::Text;
            box.text = item.text;
            break;
        case Fo::PaintItem::Image:
            box.kind = ViewLayoutBox::Kind::Image;
            break;
        case Fo::PaintItem::Barcode:
            box.kind = ViewLayoutBox::Kind::Barcode;
            break;
        case Fo::PaintItem::Leader:
            box.kind = ViewLayoutBox::Kind::Leader;
            break;
        }
        boxes.push_back(std::move(box));
    }
    return boxes;
}

int ViewEngine::getLaidOutPageCount() const
{
    return int(d->pages.size());
}
