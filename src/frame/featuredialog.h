#pragma once

#include "frame/dialog.h"
#include "outside/types/propertycollection.h"

/// Base of the dialogs that edit the properties of a template object.
///
/// The host hands in the object's properties with setProperties(), runs the
/// dialog and, after OK, reads the edited collection with getProperties().
/// Under protection the dialog shows and edits its values but cannot be
/// confirmed: OK is disabled, Cancel still closes it.
class UIEDITOR_EXPORT FeatureDialog : public Dialog
{
    Q_OBJECT

public:
    explicit FeatureDialog(unsigned templateId, QWidget* parent = nullptr);
    ~FeatureDialog() override;

    /// Replaces the collection the dialog edits. Call before running it.
    void setProperties(PropertyCollection properties);
    /// A copy of the collection: the edited one after OK, the given one otherwise.
    PropertyCollection getProperties() const;
    /// Call before running the dialog.
    void setProtection(bool protection);

    /// Ignored under protection, whatever asks for it (Enter, a double-click).
    void accept() override;

protected:
    /// Disables OK (control 1) when protected; a form without one opens normally.
    bool OnInitDialog() override;

    PropertyCollection m_properties;

private:
    bool m_protection = false;
};
