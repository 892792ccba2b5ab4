#pragma once

#include "xml/model/samplexml.h"

#include "outside/dom/xmldocument.h"
#include "outside/dom/xmlelement.h"
#include "outside/types/idocumentinformation.h"
#include "outside/types/propertyvalueex.h"

#include <QHash>
#include <functional>

/// A template the designer edits: an XSL-FO document with the designer's
/// kmb: and km: markup, loaded and saved with libxml2. It is what dialogs see
/// through IDocumentInformation, and it applies what they return.
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
    static SmartPtr<TemplateDocument> fromText(const QByteArray& text, const Core::String& name);
    ~TemplateDocument() override;

    /// Writes the template atomically and makes `path` its file path.
    void save(const Core::String& path);
    bool isModified() const { return m_modified; }

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
    /// left unchanged.
    void applyProperties(const Core::String& path, const PropertyCollection& properties,
                         ApplyMode mode = ApplyMode::Merge);
    /// Parses `markup` (fo:, kmb:, km:, svg: prefixes may be used without
    /// declaring them) and puts it after or inside the selected object;
    /// answers the first element inserted (null for text only). Raises on
    /// markup that does not parse, leaving the template unchanged.
    Xml::Element insertMarkup(const Core::String& markup, InsertPosition position);

    /// Replaces the whole template with `markup`, as edited in the source
    /// view; the object selected stays selected when its path still exists.
    /// Raises Core::Exception on markup that does not parse, leaving the
    /// template unchanged.
    void replaceMarkup(const QByteArray& markup);

    /// Sets attribute `value.getAttributeName()` of `element`. The markup
    /// carries the static text; a dynamic or conditional value is kept here
    /// under the element's object id, which the element then carries as
    /// its "id" so that the value stays bound to it.
    void setPropertyValue(const Xml::Element& element, const PropertyValueEx& value);
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

    /// Called after every change, so views can refresh.
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
    TemplateDocument(SmartPtr<Xml::XmlDocument> xml, Core::String path);
    void loadSample();
    void markChanged();

    SmartPtr<Xml::XmlDocument> m_xml;
    Core::String m_path;
    Xml::Element m_selected;
    SmartPtr<SampleXml> m_sample;
    QHash<QPair<Core::String, Core::String>, PropertyValueEx> m_values; // by object id and attribute
    mutable QHash<const void*, Core::String> m_generatedIds;
    std::function<void()> m_changed;
    bool m_modified = false;
};
