#pragma once

#include "outside/core/coreobject.h"
#include "outside/core/corestring.h"
#include "outside/core/smartptr.h"
#include "outside/types/kmbvariable.h"
#include "outside/types/managedscript.h"
#include "outside/types/propertycollection.h"
#include "outside/xslfo/xslfodtobjectinfo.h"
#include "outside/xslfo/xslfodtobjectinfolist.h"
#include "uieditor_export.h"

#include <map>
#include <vector>

// Defined with the sample-data model; only code that calls getSampleXml or
// implements it needs the whole class.
class SampleXml;

/// The host's view of the template being edited, handed to dialogs and controls
/// as SmartPtr<IDocumentInformation>. Implemented by the host; the library only
/// asks. Some dialogs accept a null pointer, others require one.
class UIEDITOR_EXPORT IDocumentInformation : public Core::Object
{
public:
    ~IDocumentInformation() override;

    /// Whether sample data is loaded, so that XPath editing makes sense.
    virtual bool hasSampleData() = 0;
    /// The selected object: its display name and the properties it accepts.
    virtual SmartPtr<XSLFO::DTObjectInfo> getSelectedObjectInfo() = 0;
    /// The object named `name` (as a dialog's target name gives it); null when
    /// there is none.
    virtual SmartPtr<XSLFO::DTObjectInfo> getObjectInfo(const Core::String& name) = 0;
    /// The path of the selected object, as getObjectProperties takes it.
    virtual Core::String getSelectedObjectPath() = 0;
    /// The objects from the selected one (first) up to the root (last).
    virtual SmartPtr<XSLFO::DTObjectInfoList> getObjectChain() = 0;
    /// The properties of the object at `path`, named with their prefixes
    /// ("fo:padding-left", "fo:id"); empty when there is no such object.
    virtual PropertyCollection getObjectProperties(const Core::String& path) = 0;
    /// The template's file path; empty while it has never been saved.
    virtual Core::String getDocumentPath() = 0;
    /// The sample data; null when none is loaded.
    virtual SmartPtr<SampleXml> getSampleXml() = 0;
    /// The template's script blocks, in template order.
    virtual std::vector<ManagedScript> getScripts() = 0;
    /// The template's parameters, in template order.
    virtual std::vector<KMBVariable> getVariables() = 0;
    /// The namespaces expressions may use: prefix to URI.
    virtual std::map<Core::String, Core::String> getNamespaces() = 0;
    /// The XSLT engine that checks expressions, as the transform library numbers them.
    virtual int getXsltEngine() = 0;
};
