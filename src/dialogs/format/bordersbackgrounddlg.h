#pragma once

#include "dialogs/format/bordersbackgroundkeptvalues.h"
#include "frame/featuredialog.h"
#include "outside/types/bordersandbackgrounddata.h"
#include "outside/types/idocumentinformation.h"

#include <memory>
#include <vector>

namespace Ui {
class BordersBackgroundDlg;
}
class BackgroundPage;
class BordersPage;
class PaddingPage;
class StaticPreview;

/// "Borders and Background": the borders, background, box shadow and padding
/// of one formatting object, with a live preview.
///
/// Document mode edits an object of the host's document. "Apply to" lists the
/// selected object and its ancestors from the flow (or static content) down;
/// the dialog works on a copy of the chosen object's properties, shorthands
/// expanded. After OK the host applies getCurrentProperties() to the object at
/// getCurrentPath(). Record mode edits a BordersAndBackgroundData without a
/// document (a page region's borders); the host reads getData() after OK.
class UIEDITOR_EXPORT BordersBackgroundDlg : public FeatureDialog
{
    Q_OBJECT

public:
    static constexpr unsigned TemplateId = 4058;

    /// Document mode. The object chain is asked for here; the object's
    /// properties when the dialog opens. A null `document` raises
    /// Core::NullPointerException.
    explicit BordersBackgroundDlg(SmartPtr<IDocumentInformation> document,
                                  QWidget* parent = nullptr);
    /// Record mode: edits a copy of `record`; "Apply to" shows its element name.
    explicit BordersBackgroundDlg(const BordersAndBackgroundData& record,
                                  QWidget* parent = nullptr);
    ~BordersBackgroundDlg() override;

    /// Every property of the chosen object, shorthands expanded, with the
    /// edited border, shadow, background and padding longhands set or removed.
    /// A value the dialog's fields cannot show exactly ("center", "inherit", a
    /// blurred shadow) stays as it was until the user edits its field.
    PropertyCollection getCurrentProperties() const;
    /// The path of the object chosen in "Apply to" ("" when none could be).
    Core::String getCurrentPath() const;
    /// The record, read again from the working properties.
    const BordersAndBackgroundData& getData();

    /// A page changed the record: writes it into the working properties and
    /// refreshes the preview. From now on, choosing another object asks first.
    void onPropertiesChanged();
    /// Renders the sample document with the working properties.
    void updatePreview();

    StaticPreview* preview() const { return m_preview; }

protected:
    bool OnInitDialog() override;
    /// Commits a length still being typed before the dialog closes.
    void OnOK() override;

private:
    explicit BordersBackgroundDlg(QWidget* parent);
    void fillApplyTo();
    void OnApplyToChanged(int index);
    int entryOfPath(const Core::String& path) const;
    void loadAttributesFromProperties();
    void getAttributesFromControls();
    void showRecord();
    Core::String previewDocument() const;

    std::unique_ptr<Ui::BordersBackgroundDlg> m_ui;
    BordersPage* m_bordersPage = nullptr;
    BackgroundPage* m_backgroundPage = nullptr;
    PaddingPage* m_paddingPage = nullptr;
    BordersAndBackgroundData m_givenRecord; ///< what each run starts from, without a document
    BordersAndBackgroundData m_data;
    bool m_objectLoaded = false;
    StaticPreview* m_preview = nullptr;
    SmartPtr<IDocumentInformation> m_document;
    SmartPtr<XSLFO::DTObjectInfoList> m_chain;
    /// The path of every object of the chain from the root down; "Apply to"
    /// entries carry the index of theirs.
    std::vector<Core::String> m_paths;
    Core::String m_currentPath;
    PropertyCollection m_currentProperties;
    /// What the record of the loaded object cannot hold; put back until edited.
    BordersBackgroundKeptValues m_keptValues;
    /// The "Apply to" entry whose object is loaded.
    int m_loadedEntry = -1;
};
