#pragma once

#include "fakedocumentinformation.h"

#include <QByteArray>

class QTemporaryDir;

namespace TestSupport {

/// A template whose sample data are `xml`, written into `dir` and loaded the
/// way the host loads its sample.
SmartPtr<FakeDocumentInformation> documentWithSample(
    const QTemporaryDir& dir,
    const QByteArray& xml = "<invoice><line id='1'><price>4.50</price><name>b</name></line></invoice>");

} // namespace TestSupport
