#pragma once

#include "outside/core/corestring.h"
#include "uieditor_export.h"

#include <QByteArray>
#include <exception>

namespace Core {

/// The error every outside service raises: a readable message for the user.
class UIEDITOR_EXPORT Exception : public std::exception
{
public:
    explicit Exception(const String& message);
    ~Exception() override;

    const String& getMessage() const { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    String m_message;
    QByteArray m_utf8;
};

} // namespace Core
