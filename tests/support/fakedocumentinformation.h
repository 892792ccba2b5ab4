#pragma once

#include "outside/types/idocumentinformation.h"

#include <QMap>

namespace TestSupport {

/// A template as a test describes it: a chain of objects from the selected one
/// up to the root, the properties at each path, and the document's settings.
///
///   auto doc = makeSmart<FakeDocumentInformation>();
///   doc->addToChain("fo:block", "/fo:root/fo:page-sequence/fo:flow/fo:block", {{"fo:padding-left", "2pt"}});
///   doc->addToChain("fo:flow", "/fo:root/fo:page-sequence/fo:flow");
class FakeDocumentInformation : public IDocumentInformation
{
public:
    FakeDocumentInformation();
    ~FakeDocumentInformation() override;

    /// Appends the next object up the chain (the first one added is the
    /// selected object) with its path and properties.
    SmartPtr<XSLFO::DTObjectInfo> addToChain(const Core::String& qualifiedName, const Core::String& path,
                                             const QList<QPair<QString, QString>>& properties = {});
    void setProperties(const Core::String& path, const PropertyCollection& properties);
    void setDocumentPath(const Core::String& path) { m_documentPath = path; }
    void setSampleXml(const SmartPtr<SampleXml>& sample) { m_sample = sample; }
    void setHasSampleData(bool has) { m_hasSampleData = has; }
    void setScripts(std::vector<ManagedScript> scripts) { m_scripts = std::move(scripts); }
    void setVariables(std::vector<KMBVariable> variables) { m_variables = std::move(variables); }
    void setNamespaces(std::map<Core::String, Core::String> namespaces) { m_namespaces = std::move(namespaces); }
    void setXsltEngine(int engine) { m_xsltEngine = engine; }

    /// Which paths dialogs asked properties for, in order.
    const QStringList& askedPaths() const { return m_askedPaths; }

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
    SmartPtr<XSLFO::DTObjectInfoList> m_chain;
    QStringList m_paths;
    QMap<QString, PropertyCollection> m_properties;
    QStringList m_askedPaths;
    Core::String m_documentPath;
    SmartPtr<SampleXml> m_sample;
    bool m_hasSampleData = false;
    std::vector<ManagedScript> m_scripts;
    std::vector<KMBVariable> m_variables;
    std::map<Core::String, Core::String> m_namespaces;
    int m_xsltEngine = 0;
};

} // namespace TestSupport
