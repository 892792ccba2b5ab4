#pragma once

#include "markupscanner.h"
#include "parsedsample.h"
#include "starttagrewriter.h"
#include "templatevalues.h"
#include "outside/types/kmbattribute.h"
#include "xml/model/samplexml.h"

#include "outside/dom/xmldocument.h"
#include "outside/dom/xmlelement.h"
#include "outside/types/idocumentinformation.h"
#include "outside/types/propertyvalueex.h"

#include <QHash>
#include <functional>
#include <map>
#include <memory>
#include <tuple>

class QUndoStack;

/// A template the designer edits: an XSL-FO document with the designer's
/// kmb: and km: markup. It is what dialogs see through IDocumentInformation,
/// and it applies what they return.
///
/// The template's bytes are what counts: an edit rewrites the markup of the
/// object it changes and nothing else, the tree is read again from the bytes,
/// and every edit is one step on the undo stack. A template opened and saved
/// without edits is the same file, byte for byte.
///
/// Objects are addressed by paths of qualified names from the root
/// ("/fo:root/fo:page-sequence/fo:flow/fo:block"). Such a path names the
/// object on the chain of the current selection first, so a dialog opened on
/// the third block of a flow edits that block and not the first.
class TemplateDocument : public IDocumentInformation
{
public:
    enum class InsertPosition { After, Inside };

    /// Reads a template; raises Core::Exception naming the file and line.
    static SmartPtr<TemplateDocument> load(const Core::String& path);
    /// A template file read and parsed, with its sample when that was parsed too.
    struct ParsedFile
    {
        QByteArray text;
        SmartPtr<Xml::XmlDocument> xml;
        Core::String path; ///< full path
        ParsedSample sample;
    };
    /// The reading half of load(), safe on a worker thread; raises as load().
    static ParsedFile parseFile(const Core::String& path);
    /// The full path of the XML sample a parsed template names; empty for none
    /// and for samples built from a schema or data aggregation file.
    static Core::String samplePathOf(const ParsedFile& parsed);
    /// The document of a parsed file, made on the thread that is to use it.
    static SmartPtr<TemplateDocument> fromParsed(const ParsedFile& parsed);
    static SmartPtr<TemplateDocument> fromText(const QByteArray& text, const Core::String& name);
    /// Work that was never saved, as the recovery file kept it: `text` for
    /// the template at `path` (empty when untitled), modified from the start.
    static SmartPtr<TemplateDocument> recovered(const QByteArray& text, const Core::String& path);
    /// Larger files are not opened as templates.
    static constexpr qint64 maximumFileSize = 64 * 1024 * 1024;
    ~TemplateDocument() override;

    /// Writes the template atomically and makes `path` its file path;
    /// raises Core::Exception when it cannot be written.
    void save(const Core::String& path);
    /// Whether the template differs from the file it was opened from or last saved to.
    bool isModified() const;
    /// The template's markup as it would be saved.
    const QByteArray& text() const { return m_text; }
    /// Every edit, named for the menu ("Borders and Background").
    QUndoStack* undoStack() const { return m_undo.get(); }

    Xml::Element root() const;
    SmartPtr<Xml::XmlDocument> xml() const { return m_xml; }

    /// The object dialogs are opened on. A null element selects the root.
    void select(const Xml::Element& element);
    Xml::Element selected() const { return m_selected; }
    /// "/fo:root/.../fo:block": the path of `element` in the form dialogs use.
    static Core::String pathOf(const Xml::Element& element);
    /// The element a path names: on the selection's chain when it is there,
    /// else the first in document order; null when none.
    Xml::Element elementAt(const Core::String& path) const;

    /// Properties as dialogs name them: "fo:" + attribute for plain attributes,
    /// the usual prefix for attributes of other namespaces.
    static PropertyCollection propertiesOf(const Xml::Element& element);
    /// How applyProperties treats the attributes a collection does not name.
    enum class ApplyMode {
        /// They stay: the collection holds only what a dialog changed.
        Merge,
        /// They go: the collection is the object's whole property set, as the
        /// formatting dialogs return it. A shorthand ("padding") that the
        /// dialog expanded into longhands must not stay beside them, or a
        /// longhand the dialog removed would come back through it.
        Replace
    };
    /// Sets each property as an attribute of the object at `path`; an empty
    /// value removes it. Raises when there is no such object, or when a
    /// property to set has a prefix of no known namespace; the object is then
    /// left unchanged. `action` names the undo step.
    void applyProperties(const Core::String& path, const PropertyCollection& properties,
                         ApplyMode mode = ApplyMode::Merge, const QString& action = QString());
    /// Parses `markup` (fo:, kmb:, km:, svg: prefixes may be used without
    /// declaring them) and puts it after or inside the selected object;
    /// selects and answers the first element inserted (null for text only).
    /// Raises on markup that does not parse, leaving the template unchanged.
    Xml::Element insertMarkup(const Core::String& markup, InsertPosition position,
                              const QString& action = QString());

    /// The markup of `element` as the template holds it; raises when its
    /// bytes cannot be told.
    QByteArray markupOf(const Xml::Element& element) const;
    /// The blanks before `element` when it starts its line; "" otherwise.
    QByteArray indentOf(const Xml::Element& element) const;
    /// "\r\n" when the template's lines end so, else "\n".
    QByteArray lineEnd() const { return m_text.contains("\r\n") ? "\r\n" : "\n"; }
    /// Puts `markup` (prefixes as insertMarkup takes them) in the place of
    /// `element`, or right after it with `after`, or removes the element with
    /// its line when `markup` is empty; when `referrer` is given, also sets
    /// its `attribute` to `value`; all as one undo step named `action`.
    /// Raises, leaving the template unchanged, on markup that does not parse
    /// and for the root.
    void replaceElement(const Xml::Element& element, const Core::String& markup, const QString& action,
                        bool after = false, const Xml::Element& referrer = {}, const QByteArray& attribute = {},
                        const Core::String& value = {});

    /// Makes `variables` the template's parameters (its kmb:variable
    /// elements, in order) as one undo step named `action`. They take the
    /// place of the first parameter there was, else go before kmb:values,
    /// else at the end of the root. Names are written as given, unchecked.
    void setVariables(const std::vector<KMBVariable>& variables, const QString& action = QString());

    /// The conditional formatting of the whole template (its
    /// kmb:conditional-attributes), in template order, tied to the objects by id.
    const std::vector<KMBAttribute>& conditions() const { return m_conditions; }
    /// Makes `conditions` the template's conditional formatting, as one undo
    /// step named `action`. `object` gets `objectId` as its "id" when it has
    /// none and a condition names that id.
    void setConditions(const Xml::Element& object, const Core::String& objectId,
                       const std::vector<KMBAttribute>& conditions, const QString& action = QString());

    /// Replaces the whole template with `markup`, as edited in the source
    /// view; the object selected stays selected when its path still exists.
    /// Raises Core::Exception on markup that does not parse, leaving the
    /// template unchanged.
    void replaceMarkup(const QByteArray& markup);

    /// Sets attribute `value.getAttributeName()` of `element`; an empty
    /// static value removes it. The markup carries the static text; a
    /// dynamic or conditional value is written into the template's
    /// kmb:values under the element's "id", which the element gets if it has
    /// none (and loses again with its last such value).
    void setPropertyValue(const Xml::Element& element, const PropertyValueEx& value,
                          const QString& action = QString());
    /// The value of attribute `name` of `element`: the one kept here, or the
    /// attribute's text as a static value.
    PropertyValueEx propertyValue(const Xml::Element& element, const Core::String& name) const;

    /// The sample data the template is bound to ("kmb:sample-xml" on the
    /// root, relative to the template's folder); null when there is none.
    SmartPtr<Xml::XmlDocument> sampleDocument() const { return m_sample->getXmlDocument(); }
    /// Why the sample could not be read; empty when it was or there is none.
    Core::String sampleError() const { return m_sample->getLastError(); }
    /// Binds the template to the sample data in `path` (XML, .lfa or .xsd):
    /// writes it into "kmb:sample-xml", relative to the template's folder
    /// once the template has one, and loads it. The outcome is read with
    /// sampleDocument() and sampleError().
    void bindSample(const Core::String& path);
    /// Binds the sample as bindSample does, taking it as parsed elsewhere.
    void bindParsedSample(const ParsedSample& sample);
    /// Lets the host take over binding a sample: called with the sample's
    /// full path, it answers true when it will finish the binding itself
    /// with bindParsedSample (after reading a large file on a worker
    /// thread), and false to leave it to bindSample.
    void setSampleBinder(std::function<bool(const Core::String&)> binder) { m_binder = std::move(binder); }

    /// The first block of the first flow below `element` (of the whole
    /// template when there is none below it); null when there is none.
    Xml::Element firstFlowBlock(const Xml::Element& element) const;
    /// Whether `element` is a flow or static content, or lies inside one.
    static bool isInFlow(const Xml::Element& element);

    /// Called after every change, undo and redo included, so views can refresh.
    void setChangeListener(std::function<void()> listener) { m_changed = std::move(listener); }

    /// The object's identity: its "id" attribute, or one the document gives it.
    Core::String objectIdOf(const Xml::Element& element) const;

    /// Whether `element` repeats its content (kmb:table-row-repeat and its
    /// kin): it carries an xpath whose nodes it iterates.
    static bool isRepeat(const Xml::Element& element);
    /// The nodes the repeats around `element` (itself included) iterate, as
    /// an absolute path; empty outside every repeat.
    static Core::String repeatContext(const Xml::Element& element);
    /// Where the expressions written on `element` are evaluated: the
    /// context of the repeats around it, or the root.
    static Core::String expressionContext(const Xml::Element& element);
    SmartPtr<XSLFO::DTObjectInfo> infoOf(const Xml::Element& element) const;

    bool hasSampleData() override;
    SmartPtr<XSLFO::DTObjectInfo> getSelectedObjectInfo() override;
    SmartPtr<XSLFO::DTObjectInfo> getObjectInfo(const Core::String& name) override;
    Core::String getSelectedObjectPath() override;
    SmartPtr<XSLFO::DTObjectInfoList> getObjectChain() override;
    PropertyCollection getObjectProperties(const Core::String& path) override;
    Core::String getDocumentPath() override;
    SmartPtr<SampleXml> getSampleXml() override;
    std::vector<ManagedScript> getScripts() override;
    std::vector<KMBVariable> getVariables() override;
    std::map<Core::String, Core::String> getNamespaces() override;
    int getXsltEngine() override;

private:
    friend class TemplateEdit;
    using Rewriters = std::map<int, StartTagRewriter>;
    using Replacement = std::tuple<qsizetype, qsizetype, QByteArray>; // from, to, bytes

    TemplateDocument(const QByteArray& text, SmartPtr<Xml::XmlDocument> xml, Core::String path,
                     ParsedSample sample = {});
    void bindFullPath(const Core::String& full);
    /// Makes `text` (parsed as `xml`) the template's content.
    void adopt(const QByteArray& text, SmartPtr<Xml::XmlDocument> xml);
    /// Sets the template to `text` for undo and redo, selecting the element at `selected`.
    void restore(const QByteArray& text, int selected);
    SmartPtr<Xml::XmlDocument> parse(const QByteArray& text) const;
    /// Makes `text` the template as one undo step named `action`, selecting
    /// the element at `selected` (-1: the one selected now). Raises when the
    /// text does not parse, leaving the template unchanged.
    void commit(const QString& action, const QByteArray& text, int selected = -1);
    /// The position of `element` in document order, -1 when it is none of this template's.
    int indexOf(const Xml::Element& element) const;
    /// The markup of the element at `index`; raises when its bytes cannot be told.
    const MarkupScanner::Element& rangeOf(int index) const;
    StartTagRewriter& rewriterOf(Rewriters& rewriters, int index) const;
    /// The prefix the root binds `uri` to, declaring `wanted` for it when none.
    QByteArray prefixFor(Rewriters& rewriters, const char* uri, const QByteArray& wanted) const;
    /// Declares on the root the prefixes of `elements` that are not bound
    /// in `scope`; raises when one is bound to another namespace there.
    void bindPrefixes(const std::vector<Xml::Element>& elements, const Xml::Element& scope,
                      Rewriters& rewriters) const;
    /// The elements of `markup`, parsed with the prefixes dialogs use undeclared.
    static std::vector<Xml::Element> parsedMarkup(const Core::String& markup);
    /// `markup` in the bytes of the template's encoding.
    QByteArray encoded(const Core::String& markup) const;
    /// `text` with the rewritten start tags and `extra` replacements.
    QByteArray rewritten(const Rewriters& rewriters, std::vector<Replacement> extra = {}) const;
    /// The replacement of the kmb:values element that holds `values`.
    Replacement valuesReplacement(const TemplateValues& values, Rewriters& rewriters) const;
    /// The replacement of the root's first child that `isList` accepts by the
    /// markup `write` gives for a prefix and an indentation; `empty`: the
    /// child goes, with its line.
    Replacement rootListReplacement(const std::function<bool(const Xml::Element&)>& isList, bool empty,
                                    const std::function<QByteArray(const QByteArray&, const QByteArray&)>& write,
                                    Rewriters& rewriters) const;
    /// Whether an id the designer generated may go: no value or condition uses it.
    bool idUnused(const Core::String& id, const TemplateValues& values) const;
    /// Where the markup of the element at `index` lies with its line: the
    /// line's start and end (after its line break) when nothing else is on
    /// it before the element, else the element alone; and its indentation.
    struct Line
    {
        qsizetype from;
        qsizetype to;
        QByteArray indent;
        bool own;
    };
    Line lineOf(int index) const;
    Core::String sampleAttribute() const;
    void loadSample();
    void markChanged();

    QByteArray m_text;
    SmartPtr<Xml::XmlDocument> m_xml;
    std::unique_ptr<MarkupScanner> m_markup;
    std::vector<Xml::Element> m_elements;  // in document order
    QHash<const void*, int> m_indices;     // position of each of m_elements
    bool m_mapped = false;                 // m_markup and m_elements agree
    bool m_asciiOnly = false;              // the file is not in UTF-8
    Core::String m_path;
    Xml::Element m_selected;
    SmartPtr<SampleXml> m_sample;
    TemplateValues m_values;
    std::vector<KMBAttribute> m_conditions;
    mutable QHash<int, Core::String> m_generatedIds; // by position, for objects without "id"
    std::unique_ptr<QUndoStack> m_undo;
    std::function<void()> m_changed;
    std::function<bool(const Core::String&)> m_binder;
    ParsedSample m_parsedSample; // taken by the next loadSample of its path
};
