#include "frame/tmpfiletodeleteatexit.h"

#include <QFile>

namespace {
TmpFileToDeleteAtExit theInstance;
}

TmpFileToDeleteAtExit::~TmpFileToDeleteAtExit()
{
    for (const Core::String& path : m_files) {
        QFile::remove(path.toQString());
    }
}

void TmpFileToDeleteAtExit::addFile(Core::String path)
{
    theInstance.add(std::move(path));
}

TmpFileToDeleteAtExit& TmpFileToDeleteAtExit::instance()
{
    return theInstance;
}
